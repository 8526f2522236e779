#include "print/core/PartLabels.h"

#include "common/cutting/PlanPieces.h"

#include <QHash>

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

// ref gives the plan's name of piece k.
template <typename Ref>
void AddPieces(std::vector<PartLabel> &labels, const TElement &element, const QString &number,
               const QString &codeTitle, Ref ref)
{
    const int pieces = element.Count;
    for (int k = 1; k <= pieces; ++k) {
        const QString piece = QString::number(k);
        labels.push_back(PartLabel{number, piece + QLatin1Char('/') + QString::number(pieces),
                                   codeTitle + QLatin1Char('/') + number + QLatin1Char('/') + piece, element,
                                   QString::fromStdString(ref(k)), QString()});
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
        AddPieces(labels, document.Elements[i - 1], QString::number(i), codeTitle,
                  [i](int k) { return ElementPieceRef(i, k); });
    const int groups = GroupCount(document.Groups);
    for (int g = 1; g <= groups; ++g) {
        const TElementGroup &group = document.Groups[g - 1];
        const int pieces = GroupPieceCount(group);
        for (int p = 1; p <= pieces; ++p) {
            // A group's piece is a single piece whatever count it carries.
            TElement piece = group.Pieces[p - 1];
            piece.Count = 1;
            const std::string ref = GroupPieceRef(g, p);
            AddPieces(labels, piece, QString::fromStdString(ref), codeTitle, [&ref](int) { return ref; });
        }
    }
    return labels;
}

std::vector<PartLabel> PlanOrderedLabels(const std::vector<PartLabel> &labels, const CuttingPlan &plan)
{
    QHash<QString, std::size_t> byRef;
    for (std::size_t i = 0; i < labels.size(); ++i)
        byRef.insert(labels[i].Ref, i);
    std::vector<PartLabel> ordered;
    std::vector<bool> taken(labels.size(), false);
    for (std::size_t b = 0; b < plan.Boards.size(); ++b) {
        for (const PlacedPiece &placed : plan.Boards[b].Pieces) {
            const auto found = byRef.constFind(QString::fromStdString(plan.Pieces[placed.Piece].Ref));
            if (found == byRef.constEnd() || taken[*found])
                continue;
            taken[*found] = true;
            PartLabel label = labels[*found];
            label.Position = QStringLiteral("Tabla %1, x %2 y %3").arg(b + 1).arg(placed.X).arg(placed.Y);
            ordered.push_back(label);
        }
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!taken[i])
            ordered.push_back(labels[i]);
    }
    return ordered;
}
