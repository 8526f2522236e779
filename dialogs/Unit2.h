#pragma once
// The new-elements dialog: elements typed one after another from the keyboard,
// Enter walking from field to field and finally pressing "Dodaj elemente". It
// works on its own Elements, which the caller copies in before exec() and takes
// back afterwards however the dialog was closed. The program state and the
// desktop must outlive the dialog. What belongs to the main window (refreshing
// the documents, clearing the active document, printing) it asks by signals.

#include "common/Element.h"
#include "dialogs/KeyboardDialog.h"

#include <vector>

class Platform;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;
class TScrollingText;
struct ProgramState;

class TForm2 : public KeyboardDialog {
    Q_OBJECT
public:
    TForm2(ProgramState &state, Platform &desktop, QWidget *parent);
    ~TForm2() override;

    TElementList Elements{};
    // Set when an add was refused for its count or a size: the Enter release
    // that follows in the refused field is swallowed, so the focus stays there.
    bool SkipEnter = false;

    // Components keep the names of the form.
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Duzina = nullptr;
    QLineEdit *Sirina = nullptr;
    QLineEdit *Edit2 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QComboBox *KantDuzine = nullptr;
    QComboBox *KantSirine = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QLabel *Label20 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label19 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *Image1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *POPMEdit3 = nullptr;
    QAction *Delete1 = nullptr;
    QAction *Duplicate1 = nullptr;
    QAction *Databaseproperties1 = nullptr;
    QAction *Clearallelements1 = nullptr;
    QAction *Printdatabase1 = nullptr;
    // The statistics panel and its values, top to bottom.
    QFrame *Panel1 = nullptr;
    TScrollingText *SText1 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QPushButton *Button3 = nullptr;

    void FormActivate();
    void ShowList();
    void DrawPreview();
    void ClearPreview();
    void ApplyColours();

    void Button2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void POPMEdit3Click();
    void Delete1Click();
    void Duplicate1Click();
    void Databaseproperties1Click();
    void Button3Click();
    void Clearallelements1Click();

signals:
    // The banding switch changed the setting: the document grids show or hide banding.
    void BandingSwitched();
    // Every element was cleared here: the active document's list is to be emptied too.
    void ElementsCleared();
    // "Stampanje baze podataka": print Elements as the main window's print command does.
    void PrintRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildEntryFields();
    void BuildPreviewAndSwitches();
    void BuildList();
    void BuildStatisticsPanel();
    void SetTabOrder();

    void FieldChange(QLineEdit *field);
    void UpdateAddButton();
    void EnterReleased(QObject *watched);
    void FocusLength();
    void EscapeReleased(QObject *watched);
    void FocusOnwards(bool fromCount);
    std::int32_t TypedMillimetres(const QLineEdit *field) const;
    void RefuseField(QLineEdit *field);
    bool GrainShown() const;
    // The selected entries, 1-based.
    std::vector<int> SelectedElements() const;

    ProgramState &m_state;
    Platform &m_desktop;
    QLineEdit *m_refusedField = nullptr; // where SkipEnter swallows the Enter release
    // The control and key of the last press this dialog saw: a release in a field
    // acts only on its own press, never on the key-up of a box that closed on the way down.
    QObject *m_pressedOn = nullptr;
    int m_pressedKey = 0;
};
