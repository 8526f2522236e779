#include "main/WallPaper.h"

#include "common/FileUtils.h"

#include <QImageReader>
#include <QString>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return;
// the default one ends the process. This one jumps back to the decoder.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorManager *>(info->err)->resume, 1);
}

void Silent(j_common_ptr)
{
    // Warnings about a damaged but readable file are not worth a message.
}

bool FitsAllocationLimit(JDIMENSION width, JDIMENSION height)
{
    const std::uint64_t limitMb = std::uint64_t(std::max(0, QImageReader::allocationLimit()));
    const std::uint64_t bytes = std::uint64_t(width) * height * 4; // QImage rows are padded; 4 is an upper bound
    return limitMb == 0 || bytes <= limitMb * 1024 * 1024;
}

// Everything between setjmp and a possible longjmp is plain C data, so the
// jump skips no destructor; `image` belongs to the caller.
bool DecodeInto(std::FILE *file, QImage &image)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.output_message = Silent;
    if (setjmp(errors.resume)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    if (!FitsAllocationLimit(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image.isNull() || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpegFile(const std::string &fileName)
{
    std::FILE *file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        return {};
    QImage image;
    const bool decoded = DecodeInto(file, image);
    std::fclose(file);
    return decoded ? image : QImage();
}

QImage LoadWallPaper(const std::string &programDir)
{
    const std::string jpegName = JoinPath(programDir, kWallPaperJpegName);
    if (FileExists(jpegName)) {
        QImage picture = DecodeJpegFile(jpegName);
        if (!picture.isNull())
            return picture;
    }
    const std::string bitmapName = JoinPath(programDir, kWallPaperBitmapName);
    if (FileExists(bitmapName))
        return QImage(QString::fromStdString(bitmapName), "BMP");
    return {};
}
