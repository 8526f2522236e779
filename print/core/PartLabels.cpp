#include "print/core/PartLabels.h"

namespace {

QChar AsciiOf(QChar folded)
{
    if (folded.unicode() >= 0x20 && folded.unicode() < 0x7f)
        return folded;
    if (folded == QChar(0x0111))
        return QLatin1Char('d');
    if (folded == QChar(0x0110))
        return QLatin1Char('D');
    return QLatin1Char('_');
}

void AddPieces(std::vector<PartLabel> &labels, const TElement &element, const QString &number,
               const QString &codeTitle)
{
    const int pieces = element.Count;
    for (int k = 1; k <= pieces; ++k) {
        const QString piece = QString::number(k);
        labels.push_back(PartLabel{number, piece + QLatin1Char('/') + QString::number(pieces),
                                   codeTitle + QLatin1Char('/') + number + QLatin1Char('/') + piece, element});
    }
}

} // namespace

QString BarcodeTitle(const QString &title)
{
    QString ascii;
    // Decomposed, a letter with a diacritic is the bare letter and its marks.
    for (const QChar c : title.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            ascii += AsciiOf(c);
    }
    return ascii.left(kBarcodeTitleLength);
}

std::vector<PartLabel> PartLabels(const LabelDocument &document)
{
    const QString codeTitle = BarcodeTitle(document.Title);
    std::vector<PartLabel> labels;
    const int elements = ElementCount(document.Elements);
    for (int i = 1; i <= elements; ++i)
        AddPieces(labels, document.Elements[i - 1], QString::number(i), codeTitle);
    const int groups = GroupCount(document.Groups);
    for (int g = 1; g <= groups; ++g) {
        const TElementGroup &group = document.Groups[g - 1];
        const int pieces = GroupPieceCount(group);
        for (int p = 1; p <= pieces; ++p) {
            // A group's piece is a single piece whatever count it carries.
            TElement piece = group.Pieces[p - 1];
            piece.Count = 1;
            AddPieces(labels, piece, QLatin1Char('G') + QString::number(g) + QLatin1Char('.') + QString::number(p),
                      codeTitle);
        }
    }
    return labels;
}
