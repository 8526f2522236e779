#pragma once
// The document window: one cutting list with its customer, material and groups.

#include "common/Element.h"

#include <QMdiSubWindow>

#include <string>
#include <utility>

class DocumentHost;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTableView;

class TForm16 : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TForm16(DocumentHost &host, QWidget *parent = nullptr);
    ~TForm16() override;

    TElementList Elements{};
    TElementGroups Groups{};
    int MaterialIndex = 0;

    QTabWidget *Pages1 = nullptr;
    QTableView *SG1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QListWidget *ListBox1 = nullptr;

    void ShowElements();
    void SortElements();
    void ShowGroups();
    void UngroupAll();
    void ApplyColours();
    void SaveLayout();
    void RestoreLayout();
    void ShowGroupPanel();
    void HideGroupPanel();
    void FillMaterials();
    void ComboBox1Change();
    void FormActivate();

    QString Title() const;
    void SetTitle(const QString &title);

    // A customer field's text as the Windows-1250 bytes the database file stores.
    static std::string CustomerBytes(const QLineEdit *edit);

    // Current grid row - 1; 0 when no element row is current.
    int CurrentElement() const;
    // First and last element of the selected rows (row r shows element r - 1).
    std::pair<int, int> SelectedElementRange() const;
    void DeleteSelectedElements();

    // Remembers the document as saved; closing asks only when it differs from this.
    void MarkSaved();

private:
    DocumentHost &m_host;
};
