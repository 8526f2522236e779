#pragma once
// Checks a cutting plan against its request from first principles, sharing no
// code with the planner: every piece once, inside the usable board, turned only
// where grain allows, and every board cut apart by edge-to-edge cuts a kerf wide
// within the stage limit. Returns the first fault found, empty when none.

#include "common/cutting/CuttingPlan.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace plan_validator {

struct Box {
    std::int64_t x0, y0, x1, y1; // [x0, x1) x [y0, y1)
};

// Whether the pieces in region come apart by cuts of `alongLength` (y constant)
// or the other line at this stage, then of the other line at the next stage.
inline bool Separable(const std::vector<Box> &pieces, const Box &region, std::int64_t kerf, int stage, int limit,
                      bool alongLength, bool lastStageCutNothing)
{
    if (pieces.empty())
        return true;
    if (pieces.size() == 1 && pieces[0].x0 == region.x0 && pieces[0].y0 == region.y0 && pieces[0].x1 == region.x1
        && pieces[0].y1 == region.y1)
        return true;
    if (limit > 0 && stage > limit)
        return false;
    // Every place a kerf-wide slot crosses the region without touching a piece.
    const auto lo = [&](const Box &b) { return alongLength ? b.y0 : b.x0; };
    const auto hi = [&](const Box &b) { return alongLength ? b.y1 : b.x1; };
    // A slot may start where a piece ends, or end where one starts (waste before it).
    std::vector<std::int64_t> cuts;
    for (const Box &p : pieces) {
        for (const std::int64_t c : {hi(p), lo(p) - kerf}) {
            if (c >= hi(region) || c < (alongLength ? region.y0 : region.x0))
                continue;
            const bool clear = std::all_of(pieces.begin(), pieces.end(),
                                           [&](const Box &q) { return hi(q) <= c || lo(q) >= c + kerf; });
            if (clear)
                cuts.push_back(c);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    if (cuts.empty()) {
        if (lastStageCutNothing)
            return false; // neither line cuts anything: not guillotine
        return Separable(pieces, region, kerf, stage + (limit > 0 ? 1 : 0), limit, !alongLength, true);
    }
    std::int64_t from = alongLength ? region.y0 : region.x0;
    for (std::size_t i = 0; i <= cuts.size(); ++i) {
        const std::int64_t to = i < cuts.size() ? cuts[i] : hi(region);
        Box strip = region;
        (alongLength ? strip.y0 : strip.x0) = from;
        (alongLength ? strip.y1 : strip.x1) = to;
        std::vector<Box> inside;
        for (const Box &p : pieces) {
            if (lo(p) >= from && hi(p) <= to)
                inside.push_back(p);
        }
        if (!Separable(inside, strip, kerf, stage + 1, limit, !alongLength, false))
            return false;
        if (i < cuts.size())
            from = cuts[i] + kerf;
    }
    return true;
}

inline std::string Validate(const CuttingPlan &plan)
{
    const CuttingBoard &board = plan.Board;
    std::vector<int> placed(plan.Pieces.size(), 0);
    std::int64_t area = 0;
    for (std::size_t b = 0; b < plan.Boards.size(); ++b) {
        const std::string where = "board " + std::to_string(b + 1) + ": ";
        std::vector<Box> boxes;
        for (const PlacedPiece &p : plan.Boards[b].Pieces) {
            if (p.Piece < 0 || p.Piece >= static_cast<int>(plan.Pieces.size()))
                return where + "a piece that is not in the list";
            const CuttingPiece &piece = plan.Pieces[static_cast<std::size_t>(p.Piece)];
            ++placed[static_cast<std::size_t>(p.Piece)];
            if (p.Turned && board.Grain && piece.Grain)
                return where + piece.Ref + " is turned against the grain";
            const std::int32_t along = p.Turned ? piece.Width : piece.Length;
            const std::int32_t across = p.Turned ? piece.Length : piece.Width;
            if (p.Length != along || p.Width != across)
                return where + piece.Ref + " has the wrong size";
            if (p.X < 0 || p.Y < 0 || p.X + p.Length > board.UsableLength || p.Y + p.Width > board.UsableWidth)
                return where + piece.Ref + " lies outside the usable board";
            boxes.push_back(Box{p.X, p.Y, p.X + p.Length, p.Y + p.Width});
            area += static_cast<std::int64_t>(p.Length) * p.Width;
        }
        const Box usable{0, 0, board.UsableLength, board.UsableWidth};
        const bool separable = plan.Stages > 0
                                   ? Separable(boxes, usable, plan.Kerf, 1, plan.Stages, true, false)
                                   : Separable(boxes, usable, plan.Kerf, 1, 0, true, false)
                                         || Separable(boxes, usable, plan.Kerf, 1, 0, false, false);
        if (!separable)
            return where + "the pieces do not come apart by guillotine cuts within the stage limit";
        for (const PlanCut &cut : plan.Boards[b].Cuts) {
            const bool alongLength = cut.Y1 == cut.Y2;
            if (plan.Stages > 0 && (cut.Stage > plan.Stages || alongLength != (cut.Stage % 2 == 1)))
                return where + "a cut of the wrong stage";
            const Box slot = alongLength ? Box{cut.X1, cut.Y1, cut.X2, cut.Y1 + plan.Kerf}
                                         : Box{cut.X1, cut.Y1, cut.X1 + plan.Kerf, cut.Y2};
            if (cut.X1 < 0 || cut.Y1 < 0 || cut.X2 > board.UsableLength || cut.Y2 > board.UsableWidth)
                return where + "a cut outside the usable board";
            for (const Box &p : boxes) {
                if (p.x0 < slot.x1 && p.x1 > slot.x0 && p.y0 < slot.y1 && p.y1 > slot.y0)
                    return where + "a cut runs through a piece";
            }
        }
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (placed[i] != 1)
            return plan.Pieces[i].Ref + " is placed " + std::to_string(placed[i]) + " times";
    }
    if (area != plan.AreaUsed)
        return "the area used is not the area of the pieces";
    return {};
}

} // namespace plan_validator
