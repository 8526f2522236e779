#pragma once
// The document window: the view of one element database (its Document, which it
// owns), shown on three pages; it shows the document and turns the user's keys
// into calls on it. An MDI child that deletes itself on close; the program
// state, the desktop and the shared grid menu it is given must outlive it. What
// it needs of the frame it asks for with a signal.

#include "common/Element.h"

#include <QMdiSubWindow>

#include <array>
#include <optional>
#include <utility>

class CustomerPage;
class Document;
class ElementTableModel;
class EntryRow;
class Platform;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class UnitLabel;
struct ProgramState;

class TForm16 : public QMdiSubWindow {
    Q_OBJECT
    // Made first: the members below read it.
    Document *const m_document;

public:
    TForm16(ProgramState &state, Platform &desktop, QMenu *gridMenu, QWidget *parent = nullptr);
    ~TForm16() override;

    // The database this window shows; every change goes through it.
    Document &Model() const { return *m_document; }
    // The document's lists and material, read only: the window shows them.
    const TElementList &Elements;
    const TElementGroups &Groups;
    const int &MaterialIndex;

    // Components keep the names of the form.
    QTabWidget *Pages1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QFrame *Panel1 = nullptr;
    QFrame *Panel2 = nullptr;
    QFrame *Panel3 = nullptr;
    QFrame *Panel4 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QTableView *SG1 = nullptr;
    QTableWidget *SG2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    UnitLabel *PaintBox1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;

    void ShowElements();
    // Sorts by length as one undo step named so.
    void SortElements(const QString &step);
    void ShowGroups();
    // Moves one piece of element e (1-based) into group g (1-based), or into a
    // new group when g is 0; refusals are told in a plain box.
    void AddToGroup(int e, int g);
    // Returns every grouped piece to the list; when the list cannot take them
    // all, the groups stay as they are (no piece is ever dropped) and a box says so.
    void UngroupAll();
    void ShowStatistics();
    void ApplyColours();
    // Colours read while painting (the selection, the unit label) show at once.
    void Repaint();
    void SaveLayout();
    void RestoreLayout();
    void ShowGroupPanel();
    // Dissolves the groups first; the panel stays when they could not be dissolved.
    void HideGroupPanel();
    void FillMaterials();
    void ComboBox1Change();
    // Chooses board number `board` (1-based) as a choice in the list does; the
    // settings then hold it, so run it on the active window.
    void SelectMaterial(int board);
    void ShowGrainBox(bool flag);
    // Switches the program's unit between mm and cm (from any other to mm); the
    // unit label's double click, and the frame's short cut for it.
    void PaintBox1DblClick();
    // Runs whenever this window becomes the active child; the frame calls it.
    void FormActivate();
    void AddFromEntryRow();

    // Current grid row - 1; 0 when no element row is current.
    int CurrentElement() const;
    // First and last element of the selected rows T..B, as T - 1 and B - 1.
    std::pair<int, int> SelectedElementRange() const;
    void SetCurrentRow(int row);
    // Selects elements first..last (1-based), the cursor on the first.
    void SelectElements(int first, int last);

    // True when the document may close: asks when it holds unsaved data.
    bool FormCloseQuery();
    // Closes after a close query that the caller has already run.
    void CloseQueried();

signals:
    // The frame's commands act on these.
    void DeleteSelectionRequested();
    void EditCurrentRequested();
    void UnitSwitched();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildElementsPage();
    void BuildGroupPanel();
    void BuildCustomerPage();
    void BuildStatisticsPage();
    void FormCreate();
    void FormClose();
    void ShowTitle();
    void ShowCustomer();
    void ShowLists();

    void TabSheet1Resize();
    void Pages1Change(int index);
    void Button1Click();
    void Button2Click();
    void ListBox1KeyUp(const QKeyEvent &event);
    // Gives group g's pieces back to the list and closes up the groups after it.
    void ReturnGroup(int g);
    // The box of every group refusal: no icon, only OK.
    void ShowGroupMessage(const QString &text);
    void SG1KeyUp(const QKeyEvent &event);
    void SG1ContextMenu(const QPoint &position);
    // The grid menu from the keyboard (the Menu key, Shift+F10), at the current row.
    void OpenGridMenuAtCursor();
    // Ctrl+PageDown and Ctrl+PageUp step through the pages.
    void AddPageKeys();
    void ComboBox1DrawItem(QPainter &painter, int index, const QRect &rect) const;

    ProgramState &m_state;
    Platform &m_desktop;
    QMenu *m_gridMenu;
    ElementTableModel *m_gridModel = nullptr;
    EntryRow *m_entryRow = nullptr;
    CustomerPage *m_customerPage = nullptr;
    bool m_layoutRestored = false;
    bool m_closeQueried = false;
    // Whether Shift was down when each banding digit (1..6) went down: the digit
    // acts when it comes up, and Shift may have been let go a moment before.
    std::array<std::optional<bool>, kBandingCodeCount + 1> m_shiftAtDigitPress;
};
