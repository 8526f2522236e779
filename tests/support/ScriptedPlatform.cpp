#include "support/ScriptedPlatform.h"

#include <QCoreApplication>

#include <utility>

#include <gtest/gtest.h>

namespace {

template <typename Queue, typename Value>
Value TakeOr(Queue &queue, Value fallback, const char *what, const QString &detail)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what << ": " << detail.toStdString();
        return fallback;
    }
    // Copied out before the erase: GCC 12 warns falsely about an optional moved from the front.
    const auto first = queue.begin();
    Value value(*first);
    queue.erase(first);
    return value;
}

} // namespace

ScriptedPlatform::~ScriptedPlatform()
{
    EXPECT_TRUE(m_boxAnswers.empty()) << m_boxAnswers.size() << " scripted box answers were not used";
    EXPECT_TRUE(m_inputAnswers.empty()) << "scripted input answers were not used";
    EXPECT_TRUE(m_openAnswers.empty()) << "scripted open-dialog answers were not used";
    EXPECT_TRUE(m_saveAnswers.empty()) << "scripted save-dialog answers were not used";
    EXPECT_TRUE(m_colourAnswers.empty()) << "scripted colour answers were not used";
    EXPECT_TRUE(m_labelAnswers.empty()) << "scripted label answers were not used";
}

void ScriptedPlatform::Forget()
{
    m_boxes.clear();
    m_inputs.clear();
    m_openDialogs.clear();
    m_saveDialogs.clear();
    m_colourDialogs.clear();
    m_processEventsCalls = 0;
    m_openedWithDesktop.clear();
    m_beeps = 0;
}

Platform::Answer ScriptedPlatform::ShowMessageBox(Icon icon, Buttons buttons, const QString &text,
                                                  Answer defaultButton)
{
    m_boxes.push_back({icon, buttons, text, defaultButton});
    return TakeOr(m_boxAnswers, Answer::Closed, "message box", text);
}

std::optional<QString> ScriptedPlatform::InputBox(const QString &title, const QString &prompt, const QString &text)
{
    m_inputs.push_back({title, prompt, text});
    return TakeOr(m_inputAnswers, std::optional<QString>(), "input box", prompt);
}

Platform::FileChoice ScriptedPlatform::OpenDialog(const FileDialog &dialog)
{
    m_openDialogs.push_back(dialog);
    return TakeOr(m_openAnswers, FileChoice{}, "open dialog", dialog.title);
}

Platform::FileChoice ScriptedPlatform::SaveDialog(const FileDialog &dialog)
{
    m_saveDialogs.push_back(dialog);
    return TakeOr(m_saveAnswers, FileChoice{}, "save dialog", dialog.title);
}

std::optional<QColor> ScriptedPlatform::ColourDialog(const QColor &initial)
{
    m_colourDialogs.push_back(initial);
    return TakeOr(m_colourAnswers, std::optional<QColor>{}, "colour dialog", initial.name());
}

std::optional<LabelJobOptions> ScriptedPlatform::LabelOptionsDialog(bool)
{
    return TakeOr(m_labelAnswers, std::optional<LabelJobOptions>{}, "label dialog", QString());
}

void ScriptedPlatform::ProcessEvents()
{
    ++m_processEventsCalls;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
