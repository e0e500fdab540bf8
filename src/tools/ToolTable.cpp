// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ToolTable.h"

#include <array>

#include "area/AreaLayout.h"
#include "area/AreaSolver.h"
#include "roof/RoofLayout.h"
#include "roof/RoofSolver.h"
#include "spacing/SpacingLayout.h"
#include "spacing/SpacingSolver.h"
#include "stair/StairCalculator.h"
#include "stair/StairLayout.h"
#include "triangle/TriangleLayout.h"
#include "triangle/TriangleSolver.h"

namespace plumbrule {

namespace {

const std::array kTools{
    ToolRow{
        "Stairs",
        "Stair Calculator",
        "--stair",
        stairBoxes,
        "--stair [--height H] [--risers N] [--max-riser R]\n"
        "[--run W] [--treads N] [--max-tread T] [options]",
        "solves a straight stair as the Stair Calculator window does:\n"
        "give two of --height, --risers, --max-riser (the risers)\n"
        "and/or two of --run, --treads, --max-tread (the treads);\n"
        "the third is calculated. A bare number counts inches;\n"
        "a length with its marks is read as the calculator reads\n"
        "or pastes it (8'10-1/2\", 8' 10 1/2\"), and so is a metric\n"
        "length (2400 mm) in every tool; counts are numbers.\n"
        "Prints the risers line, the treads line and, with both\n"
        "sides, the stringer line with the angle and 2R+T check:\n"
        "plumbrule-calc --stair --height \"8'10-1/2\\\"\" \\\n"
        "  --max-riser 7.75 --run 130 --max-tread 10\n"
        "14 Risers @ 7.61\" = 8'10-1/2\"\n"
        "13 Treads @ 10.00\" = 10'10\"\n"
        "Stringer 14'0-1/16\" @ 37.3\u00B0, 2R+T 25.2\": steep",
        solveStairSides,
        stairMessage,
        stair_layout::controls,
        stairDiagram,
        "cmdCalculate",
        "Command1",
        "Frame2",
        "lblNote",
    },
    ToolRow{
        "Right Triangle",
        "Right Triangle",
        "--triangle",
        triangleBoxes,
        "--triangle [--rise R] [--run W] [--diagonal D]\n"
        "[--pitch P] [--angle A] [options]",
        "solves a right triangle as the Right Triangle tab does: give\n"
        "two of --rise, --run, --diagonal (lengths), --pitch (inches\n"
        "of rise in 12 of run) and --angle (degrees): two sides, or\n"
        "one side with the pitch or the angle. Prints the rise, run,\n"
        "diagonal, angle and pitch lines:\n"
        "plumbrule-calc --triangle --rise \"6'\" --run \"8'\"\n"
        "Rise 6'0\"\n"
        "Run 8'0\"\n"
        "Diagonal 10'0\"\n"
        "Angle 36.9\u00B0\n"
        "Pitch 9 in 12",
        solveTriangle,
        triangleMessage,
        triangle_layout::controls,
        triangleDiagram,
        "cmdCalculateTriangle",
        "cmdCloseTriangle",
        "fraTriangleResults",
        "lblTriangleNote",
    },
    ToolRow{
        "Area and Volume",
        "Area and Volume",
        "--area",
        areaBoxes,
        "--area --length L --width W [--thickness T] [options]",
        "the area and perimeter of --length by --width and, with\n"
        "--thickness, the volume and board feet, as the Area and\n"
        "Volume tab shows them:\n"
        "plumbrule-calc --area --length \"12'\" --width \"10'\" \\\n"
        "  --thickness '4\"'\n"
        "Area 120.00 sq ft = 13.33 sq yd = 11.15 m\u00B2\n"
        "Perimeter 44'0\"\n"
        "Volume 40.00 cu ft = 1.48 cu yd = 1.133 m\u00B3\n"
        "Board feet 480.00",
        solveArea,
        areaMessage,
        area_layout::controls,
        areaDiagram,
        "cmdCalculateArea",
        "cmdCloseArea",
        "fraAreaResults",
        "lblAreaNote",
    },
    ToolRow{
        "Roof",
        "Roof Framing",
        "--roof",
        roofBoxes,
        "--roof (--pitch P | --angle A) (--run R | --span S)\n"
        "[--ridge T] [--overhang O] [--jacks C] [options]",
        "the rafters of a roof as the Roof tab gives them: --pitch\n"
        "(inches of rise in 12) or --angle (degrees), --run (outside\n"
        "of wall to centre of ridge) or --span (twice the run); half\n"
        "of --ridge (the board's thickness) comes off the run, the\n"
        "--overhang (level) adds the tail, --jacks (on centre) lists\n"
        "the jack rafters. Plumb cut: degrees from level:\n"
        "plumbrule-calc --roof --pitch 7 --span \"28'\"\n"
        "Rise 8'2\"\n"
        "Common rafter 16'2-1/2\"\n"
        "Plumb cut 30.3\u00B0, level cut 59.7\u00B0\n"
        "Hip or valley 21'5\" @ 22.4\u00B0",
        solveRoof,
        roofMessage,
        roof_layout::controls,
        roofDiagram,
        "cmdCalculateRoof",
        "cmdCloseRoof",
        "fraRoofResults",
        "lblRoofNote",
    },
    ToolRow{
        "Spacing",
        "Spacing",
        "--spacing",
        spacingBoxes,
        "--spacing --length L [--width W]\n"
        "(--gap G | --count N | --on-centre S) [options]",
        "lays out members between two ends as the Spacing tab does:\n"
        "even spacing with at most --gap between members, or\n"
        "--count members (--width each, none for marks only), or\n"
        "--on-centre spacing with a member at each end (--width\n"
        "1-1/2\" unless given). Prints the count, the gaps or the\n"
        "spacing, and each member's mark from the start:\n"
        "plumbrule-calc --spacing --length '24-1/2\"' \\\n"
        "  --width '1-1/2\"' --gap 4 --units inches\n"
        "4 members, 5 gaps of 3-11/16\"\n"
        "On centre 5-3/16\"\n"
        "Marks 4-7/16\", 9-5/8\", 14-7/8\", 20-1/16\"",
        solveSpacing,
        spacingMessage,
        spacing_layout::controls,
        spacingDiagram,
        "cmdCalculateSpacing",
        "cmdCloseSpacing",
        "fraSpacingResults",
        "lblSpacingNote",
    },
};

}  // namespace

std::span<const ToolRow> toolTable() {
    return kTools;
}

int toolIndex(std::string_view option) {
    for (std::size_t index = 0; index < kTools.size(); ++index) {
        if (kTools[index].option == option) return static_cast<int>(index);
    }
    return -1;
}

}  // namespace plumbrule
