#include "tools/PlanJson.h"

#include <nlohmann/json.hpp>

namespace {

using nlohmann::ordered_json;

ordered_json BoardJson(const CuttingPlan &plan, const BoardPlan &board)
{
    ordered_json pieces = ordered_json::array();
    for (const PlacedPiece &p : board.Pieces)
        pieces.push_back(ordered_json{{"ref", plan.Pieces[static_cast<std::size_t>(p.Piece)].Ref},
                                      {"x", p.X},
                                      {"y", p.Y},
                                      {"length", p.Length},
                                      {"width", p.Width},
                                      {"turned", p.Turned}});
    ordered_json cuts = ordered_json::array();
    for (const PlanCut &c : board.Cuts)
        cuts.push_back(ordered_json{{"x1", c.X1}, {"y1", c.Y1}, {"x2", c.X2}, {"y2", c.Y2}, {"stage", c.Stage}});
    ordered_json offcuts = ordered_json::array();
    for (const Offcut &o : board.Offcuts)
        offcuts.push_back(ordered_json{{"x", o.X}, {"y", o.Y}, {"length", o.Length}, {"width", o.Width}});
    return ordered_json{{"pieces", std::move(pieces)}, {"cuts", std::move(cuts)}, {"offcuts", std::move(offcuts)}};
}

} // namespace

std::string PlanJsonText(const CuttingPlan &plan)
{
    const CuttingBoard &b = plan.Board;
    ordered_json boards = ordered_json::array();
    for (const BoardPlan &board : plan.Boards)
        boards.push_back(BoardJson(plan, board));
    const ordered_json document{
        {"board",
         {{"length", b.Length},
          {"width", b.Width},
          {"usable_length", b.UsableLength},
          {"usable_width", b.UsableWidth},
          {"grain", b.Grain}}},
        {"kerf", plan.Kerf},
        {"stages", plan.Stages},
        {"boards", std::move(boards)},
        {"pieces", plan.Pieces.size()},
        {"area_used", plan.AreaUsed},
        {"lower_bound", plan.LowerBound},
    };
    // replace: a stray byte in a reference can never make the file unreadable.
    return document.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}
