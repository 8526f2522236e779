#include "test_document_host.h"

#include "common/Conversions.h"
#include "main/ListCommands.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

TestDocumentHost::TestDocumentHost()
{
    TSettings &s = state.Settings;
    s.SetUnit(UnitMm);
    s.SetGroupPanel(true);
    s.SetControlColour(kControlColour);
    s.SetSelectedTextColour(kSelectedTextColour);
    s.SetSelectedBackColour(kSelectedBackColour);
    s.SetMaterialListLayout(1);
    for (int code = 1; code < kBandingCodeCount; ++code)
        s.SetBandingMarkText(code, std::string(static_cast<std::size_t>(code), '\''));
    state.UnitFactor = 1.0;
    area.resize(1000, 700);
    area.show();
}

TestDocumentHost::~TestDocumentHost()
{
    // Windows still open go with the MDI area, without their close query; run
    // the deletions that closed windows left pending first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestDocumentHost::DeleteSelected()
{
    DeleteSelectedElements(context, QStringLiteral("Obrisi element(e)"));
}

TForm16 *TestDocumentHost::NewDocument()
{
    TForm16 *form = manager.CreateDocument(QStringLiteral("Untitled"));
    QObject::connect(form, &TForm16::DeleteSelectionRequested, form, [this] {
        ++deleteCalls;
        DeleteSelected();
    });
    QObject::connect(form, &TForm16::UnitSwitched, form, [this] { ++refreshCalls; });
    return form;
}

bool TestDocumentHost::Close(TForm16 *form)
{
    const bool closed = form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed;
}

void SetElements(TForm16 &form, std::initializer_list<TElement> elements)
{
    TElementList list;
    ClearList(list);
    std::size_t slot = 0;
    for (const TElement &e : elements)
        list[slot++] = e;
    SetElementList(form, list);
}

QString CellText(const TForm16 &form, int row, int column)
{
    const QAbstractItemModel *model = form.SG1->model();
    return model->data(model->index(row, column)).toString();
}

QRect DifferingPixels(const QImage &a, const QImage &b)
{
    QRect differing;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                differing |= QRect(x, y, 1, 1);
        }
    }
    return differing;
}

void SelectRows(TForm16 &form, int top, int bottom)
{
    const QAbstractItemModel *model = form.SG1->model();
    QItemSelectionModel *selection = form.SG1->selectionModel();
    selection->setCurrentIndex(model->index(bottom, 0), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(model->index(top, 0), model->index(bottom, model->columnCount() - 1)),
                      QItemSelectionModel::ClearAndSelect);
}

void TypeText(QWidget *widget, const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
        QCoreApplication::sendEvent(widget, &press);
        QCoreApplication::sendEvent(widget, &release);
    }
}
