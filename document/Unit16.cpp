#include "document/Unit16.h"

#include "document/DocumentHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>

TForm16::TForm16(DocumentHost &host, QWidget *parent) : QMdiSubWindow(parent), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

TForm16::~TForm16() = default;

void TForm16::ShowElements() {}
void TForm16::SortElements() {}
void TForm16::ShowGroups() {}
void TForm16::UngroupAll() {}
void TForm16::ApplyColours() {}
void TForm16::SaveLayout() {}
void TForm16::RestoreLayout() {}
void TForm16::ShowGroupPanel() {}
void TForm16::HideGroupPanel() {}
void TForm16::FillMaterials() {}
void TForm16::ComboBox1Change() {}
void TForm16::FormActivate() {}
QString TForm16::Title() const { return windowTitle(); }
void TForm16::SetTitle(const QString &title) { setWindowTitle(title); }
std::string TForm16::CustomerBytes(const QLineEdit *) { return {}; }
int TForm16::CurrentElement() const { return 0; }
std::pair<int, int> TForm16::SelectedElementRange() const { return {0, 0}; }
void TForm16::DeleteSelectedElements() {}
void TForm16::MarkSaved() {}
