#include "main/GridMenu.h"

#include "main/ColourCommands.h"
#include "main/MAIN.h"

#include <QAction>
#include <QMenu>

#include <array>

namespace {

struct GridMenuItem {
    QAction *TForm1::*item;
    const char *caption;
    void (TForm1::*handler)(); // null: no command yet
};

void AddItem(TForm1 &frame, QMenu *menu, const GridMenuItem &entry)
{
    QAction *action = menu->addAction(QString::fromLatin1(entry.caption));
    frame.*entry.item = action;
    if (entry.handler != nullptr)
        QObject::connect(action, &QAction::triggered, &frame, entry.handler);
}

} // namespace

void BuildGridMenu(TForm1 &frame, QMenu *menu)
{
    menu->setObjectName(QStringLiteral("ListBox1Popup"));
    // "Postavi prioritet" is offered but sets nothing: priority only ever comes from files.
    const std::array<GridMenuItem, 10> list = {{
        {&TForm1::MenuItem1, "Obrisi element(e)", &TForm1::Obrisielemente1Click},
        {&TForm1::MenuItem2, "Izmena podataka", &TForm1::IzmenaPodataka1Click},
        {&TForm1::Pomnozispisakelemenatasa1, "Pomnozi spisak elemenata sa...", &TForm1::Pomnozispisakelemenatasa1Click},
        {&TForm1::Pomnoziselektovaneelementesa1, "Pomnozi selektovane elemente sa...",
         &TForm1::Pomnoziselektovaneelementesa1Click},
        {&TForm1::Postaviprioritet1, "Postavi prioritet", nullptr},
        {&TForm1::Spajanjeistihelemenata1, "Spajanje istih elemenata", &TForm1::Spajanjeistihelemenata1Click},
        {&TForm1::Stampanjespiskaelemenata1, "Stampanje spiska elemenata", &TForm1::Stampanjespiskaelemenata1Click},
        {&TForm1::Stampanjenalepnica1, "Stampanje nalepnica...", &TForm1::Stampanjenalepnica1Click},
        {&TForm1::Plansecenja1, "Plan secenja...", &TForm1::Plansecenja1Click},
        {&TForm1::Sortiranjespiskapoduzini1, "Sortiranje spiska po duzini", &TForm1::Sortiranjespiskapoduzini1Click},
    }};
    for (const GridMenuItem &entry : list)
        AddItem(frame, menu, entry);

    frame.EXTURA1 = menu->addMenu(QStringLiteral("TEXTURA"));
    const std::array<GridMenuItem, 3> grain = {{
        {&TForm1::Postavinasveelemente1, "Postavi na sve elemente", &TForm1::Postavinasveelemente1Click},
        {&TForm1::Uklonisasvihelemenata1, "Ukloni sa svih elemenata", &TForm1::Uklonisasvihelemenata1Click},
        {&TForm1::Kontratexturanasvimelementima1, "Kontra-textura na svim elementima",
         &TForm1::Kontratexturanasvimelementima1Click},
    }};
    for (const GridMenuItem &entry : grain)
        AddItem(frame, frame.EXTURA1, entry);

    frame.PODESAVANJEBOJE1 = menu->addMenu(QStringLiteral("PODESAVANJE BOJE"));
    QAction *TForm1::*colourItems[] = {&TForm1::Selektovanitekst1, &TForm1::Pozadinaselteksta1,
                                       &TForm1::Pozadinakontrola1, &TForm1::Pozadinaglavnogprozora1};
    for (std::size_t i = 0; i < kColourCommands.size(); ++i) {
        const ColourCommand &command = kColourCommands[i];
        QAction *action = frame.PODESAVANJEBOJE1->addAction(QString::fromLatin1(command.caption));
        frame.*colourItems[i] = action;
        QObject::connect(action, &QAction::triggered, &frame, [&frame, &command] { frame.ColourCommandClick(command); });
    }
}
