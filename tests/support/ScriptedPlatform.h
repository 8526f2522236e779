#pragma once
// The platform stand-in of the GUI tests: every box, dialog and input is answered
// from a queue the test fills beforehand, and every text shown is recorded.
// A box nobody scripted, even a lone OK box, fails the test (and answers Closed).

#include "platform/Platform.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class ScriptedPlatform : public Platform {
public:
    struct ShownBox {
        Icon icon;
        Buttons buttons;
        QString text;
        Answer defaultButton;
    };
    struct ShownInput {
        QString title;
        QString prompt;
        QString text;
    };

    ~ScriptedPlatform() override; // fails the test when scripted answers were left unused

    // Queue the answers, in the order the program will ask.
    void AnswerBox(Answer answer) { m_boxAnswers.push_back(answer); }
    void AnswerInput(const QString &text) { m_inputAnswers.push_back(text); }
    void CancelInput() { m_inputAnswers.push_back(std::nullopt); }
    void AnswerOpen(const FileChoice &choice) { m_openAnswers.push_back(choice); }
    void AnswerSave(const FileChoice &choice) { m_saveAnswers.push_back(choice); }
    void AnswerColour(std::optional<QColor> colour) { m_colourAnswers.push_back(colour); }
    void AnswerLabelOptions(std::optional<LabelJobOptions> options) { m_labelAnswers.push_back(options); }

    const std::vector<ShownBox> &Boxes() const { return m_boxes; }
    const std::vector<ShownInput> &Inputs() const { return m_inputs; }
    const std::vector<FileDialog> &OpenDialogs() const { return m_openDialogs; }
    const std::vector<FileDialog> &SaveDialogs() const { return m_saveDialogs; }
    const std::vector<QColor> &ColourDialogs() const { return m_colourDialogs; }
    int ProcessEventsCalls() const { return m_processEventsCalls; }
    const QStringList &OpenedWithDesktop() const { return m_openedWithDesktop; }
    void Forget(); // clears what was recorded

    std::optional<QString> InputBox(const QString &title, const QString &prompt, const QString &text) override;
    FileChoice OpenDialog(const FileDialog &dialog) override;
    FileChoice SaveDialog(const FileDialog &dialog) override;
    std::optional<QColor> ColourDialog(const QColor &initial) override;
    void ProcessEvents() override;
    void OpenWithDesktop(const QString &fileName) override { m_openedWithDesktop << fileName; }
    void Beep() override { ++m_beeps; }
    int Beeps() const { return m_beeps; }
    std::optional<LabelJobOptions> LabelOptionsDialog(bool printerInstalled) override;

protected:
    Answer ShowMessageBox(Icon icon, Buttons buttons, const QString &text, Answer defaultButton) override;

private:
    std::deque<Answer> m_boxAnswers;
    std::deque<std::optional<QString>> m_inputAnswers;
    std::deque<FileChoice> m_openAnswers;
    std::deque<FileChoice> m_saveAnswers;
    std::deque<std::optional<QColor>> m_colourAnswers;
    std::deque<std::optional<LabelJobOptions>> m_labelAnswers;

    std::vector<ShownBox> m_boxes;
    std::vector<ShownInput> m_inputs;
    std::vector<FileDialog> m_openDialogs;
    std::vector<FileDialog> m_saveDialogs;
    std::vector<QColor> m_colourDialogs;
    int m_processEventsCalls = 0;
    int m_beeps = 0;
    QStringList m_openedWithDesktop;
};
