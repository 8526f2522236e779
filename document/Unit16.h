#pragma once
// The document window: one element database with its customer, material and
// groups, shown on three pages. An MDI child that deletes itself on close; the
// program state, the desktop and the shared grid menu it is given must outlive
// it. What it needs of the frame it asks for with a signal.

#include "common/Element.h"
#include "document/ListSnapshot.h"

#include <QMdiSubWindow>

#include <array>
#include <memory>
#include <string>
#include <utility>

class CustomerPage;
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
class QUndoStack;
class UnitLabel;
struct ProgramState;

class TForm16 : public QMdiSubWindow {
    Q_OBJECT
public:
    TForm16(ProgramState &state, Platform &desktop, QMenu *gridMenu, QWidget *parent = nullptr);
    ~TForm16() override;

    // Read freely; every change goes through ReplaceLists.
    TElementList Elements{};
    TElementGroups Groups{};
    int MaterialIndex = 0;

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

    // The one door for changing the lists, for the window itself and for every
    // command: both lists are replaced whole, the grid and the group list redrawn.
    // With a step name the change is one undo step named so (none when nothing
    // changed); without one it is a fill, as when a file is opened into the window.
    void ReplaceLists(const TElementList &elements, const TElementGroups &groups, const QString &step);
    void ReplaceElements(const TElementList &elements, const QString &step) { ReplaceLists(elements, Groups, step); }
    void ReplaceLists(const TElementList &elements, const TElementGroups &groups);
    void ReplaceElements(const TElementList &elements) { ReplaceLists(elements, Groups); }
    // A change made by fills, such as a dialog's session, recorded as one step
    // from `before` to the lists now.
    void RecordStep(const ListSnapshot &before, const QString &step);
    std::unique_ptr<ListSnapshot> Lists() const;
    // At most 100 steps; owned by the window.
    QUndoStack *UndoStack() const { return m_undoStack; }

    void ShowElements();
    void SortElements();
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
    void ShowGrainBox(bool flag);
    void FormActivate();
    void AddFromEntryRow();

    QString Title() const;
    void SetTitle(const QString &title);

    // A customer field (Edit2, Edit3, Edit4) as the Windows-1250 bytes the file
    // stores, and back. The fields refuse characters Windows-1250 cannot hold.
    static std::string CustomerBytes(const QLineEdit *edit);
    static void SetCustomerBytes(QLineEdit *edit, const std::string &bytes);

    // Current grid row - 1; 0 when no element row is current.
    int CurrentElement() const;
    // First and last element of the selected rows T..B, as T - 1 and B - 1.
    std::pair<int, int> SelectedElementRange() const;
    void SetCurrentRow(int row);
    // Selects elements first..last (1-based), the cursor on the first.
    void SelectElements(int first, int last);

    // Remembers the document as saved; closing asks when it differs from this.
    void MarkSaved();
    // Remembers what a file holds as the saved state (name, address, telephone).
    void MarkSavedAs(const TElementList &elements, const TElementGroups &groups,
                     const std::array<QString, 3> &customer);
    // True when closing would ask: the lists or customer texts differ from the
    // saved state, or an untitled document holds elements.
    bool IsModified() const;
    // True when the document may close: asks when it holds unsaved data.
    bool FormCloseQuery();
    // Closes after a close query that the caller has already run.
    void CloseQueried();

signals:
    // The frame's commands act on these.
    void DeleteSelectionRequested();
    void EditCurrentRequested();
    void UnitSwitched();
    // The lists, the customer texts, the title or the saved state changed:
    // IsModified may answer differently now.
    void Changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Snapshot;

    void BuildElementsPage();
    void BuildGroupPanel();
    void BuildCustomerPage();
    void BuildStatisticsPage();
    void FormCreate();
    void FormClose();
    bool DiffersFromSaved() const;
    // The "*" after the title.
    void ShowModified();

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
    void ComboBox1DrawItem(QPainter &painter, int index, const QRect &rect) const;
    void PaintBox1DblClick();

    ProgramState &m_state;
    Platform &m_desktop;
    QMenu *m_gridMenu;
    ElementTableModel *m_model = nullptr;
    EntryRow *m_entryRow = nullptr;
    CustomerPage *m_customerPage = nullptr;
    std::unique_ptr<Snapshot> m_saved;
    QUndoStack *m_undoStack = nullptr;
    bool m_layoutRestored = false;
    bool m_closeQueried = false;
};
