#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "polyline_list.h"

namespace {

using Point = std::tuple<double, double, double>;
using Shape = std::vector<std::vector<Point>>; // polylines in order, vertices in order

Shape ShapeOf(CPolyLineList& list)
{
    Shape shape;
    for (CPolyLine* polyLine : list.PolyLines()) {
        shape.emplace_back();
        for (const CVertex& v : polyLine->Vertices()) {
            EXPECT_EQ(v.m_dPrimary, polyLine->m_dKey);
            shape.back().emplace_back(v.m_dPrimary, v.m_dSecondary, v.m_dZ);
        }
    }
    return shape;
}

} // namespace

TEST(Assembly, WorkedExampleStepByStep)
{
    CRunContext context;
    CPolyLineList list;
    struct Step {
        Point point;
        int points, polyLines;
    } steps[] = {
        {{1, 5, 0}, 1, 1}, {{1, 2, 0}, 2, 1}, {{3, 1, 0}, 3, 2}, {{2, 7, 0}, 4, 3},
        {{1, 5, 9}, 4, 3}, {{3, 1, 1}, 4, 3}, {{1, 3, 0}, 5, 3},
    };
    for (const Step& step : steps) {
        auto [v, s, z] = step.point;
        list.AddPoint(context, v, s, z);
        EXPECT_EQ(context.m_nPoints, step.points) << v << "," << s;
        EXPECT_EQ(context.m_nPolyLines, step.polyLines) << v << "," << s;
    }
    EXPECT_EQ(ShapeOf(list), (Shape{{{1, 2, 0}, {1, 3, 0}, {1, 5, 0}}, {{2, 7, 0}}, {{3, 1, 0}}}));
}

TEST(Assembly, OrderDoesNotDependOnArrival)
{
    CRunContext context;
    CPolyLineList list;
    // Descending keys, each polyline filled in descending order: every point
    // lands before all earlier ones, in both lists.
    for (int key = 50; key >= 1; --key)
        for (int s = 40; s >= 1; --s) list.AddPoint(context, key, s, key * 100 + s);
    Shape shape = ShapeOf(list);
    ASSERT_EQ(shape.size(), 50u);
    for (int key = 1; key <= 50; ++key) {
        ASSERT_EQ(shape[key - 1].size(), 40u);
        for (int s = 1; s <= 40; ++s)
            EXPECT_EQ(shape[key - 1][s - 1], Point(key, s, key * 100 + s));
    }
    EXPECT_EQ(context.m_nPoints, 2000);
    EXPECT_EQ(context.m_nPolyLines, 50);
}

TEST(Assembly, MiddleKeysAreFoundAgain)
{
    CRunContext context;
    CPolyLineList list;
    for (double key : {0.0, 100.0, 10.0, 90.0, 50.0, 50.0, 10.0, 49.999999999999993}) list.AddPoint(context, key, key, 0);
    EXPECT_EQ(context.m_nPolyLines, 6); // 50 and 10 came twice, with the same pair
    EXPECT_EQ(context.m_nPoints, 6);
    list.AddPoint(context, 50.0, 1.0, 0);
    EXPECT_EQ(context.m_nPolyLines, 6);
    EXPECT_EQ(ShapeOf(list)[2], (std::vector<Point>{{49.999999999999993, 49.999999999999993, 0}}));
    EXPECT_EQ(ShapeOf(list)[3], (std::vector<Point>{{50, 1, 0}, {50, 50, 0}}));
}

TEST(Assembly, DuplicatesKeepTheFirstPointAndIgnoreZ)
{
    CRunContext context;
    CPolyLineList list;
    // Enough vertices in one polyline for the indexed search to be used too.
    for (int round = 0; round < 3; ++round)
        for (int s = 0; s < 100; ++s) list.AddPoint(context, 7.0, s * 0.25, round + s);
    EXPECT_EQ(context.m_nPoints, 100);
    EXPECT_EQ(context.m_nPolyLines, 1);
    Shape shape = ShapeOf(list);
    for (int s = 0; s < 100; ++s) EXPECT_EQ(std::get<2>(shape[0][s]), s) << "the first z stays";
}

TEST(Assembly, ZeroAndNegativeZeroAreOneValue)
{
    CRunContext context;
    CPolyLineList list;
    list.AddPoint(context, 0.0, 1.0, 1.0);
    list.AddPoint(context, -0.0, 2.0, 2.0);
    list.AddPoint(context, -0.0, 1.0, 3.0);  // same pair as the first
    list.AddPoint(context, 5.0, -0.0, 4.0);
    list.AddPoint(context, 5.0, 0.0, 5.0);   // same pair
    for (int s = 0; s < 20; ++s) list.AddPoint(context, 5.0, s + 1.0, 0);
    list.AddPoint(context, 5.0, 0.0, 6.0);   // found through the index now
    EXPECT_EQ(context.m_nPolyLines, 2);
    EXPECT_EQ(context.m_nPoints, 2 + 1 + 20);
}

TEST(Assembly, LastDigitMakesAnotherPolyline)
{
    CRunContext context;
    CPolyLineList list;
    list.AddPoint(context, 100.0, 0, 0);
    list.AddPoint(context, 1e2, 1, 0);
    list.AddPoint(context, 100.0000001, 0, 0);
    EXPECT_EQ(context.m_nPolyLines, 2);
    EXPECT_EQ(context.m_nPoints, 3);
}

TEST(Assembly, VertexCompareOrdersByPrimaryThenSecondary)
{
    CVertex vertex;
    vertex.Set(2, 5, 9);
    EXPECT_EQ(vertex.Compare(1, 9), -1);
    EXPECT_EQ(vertex.Compare(3, 0), 1);
    EXPECT_EQ(vertex.Compare(2, 4), -1);
    EXPECT_EQ(vertex.Compare(2, 5), 0);
    EXPECT_EQ(vertex.Compare(2, 6), 1);
    vertex.SwapXY();
    EXPECT_EQ(vertex.m_dPrimary, 5);
    EXPECT_EQ(vertex.m_dSecondary, 2);
    EXPECT_EQ(vertex.m_dZ, 9);
}

TEST(Assembly, NaNNeverMatchesAndSortsLast)
{
    // No input text yields NaN, but the containers must stay well-ordered if one arrives.
    CRunContext context;
    CPolyLineList list;
    double nan = std::nan("");
    list.AddPoint(context, nan, 1, 0);
    list.AddPoint(context, nan, 1, 0);
    list.AddPoint(context, 2, nan, 0);
    list.AddPoint(context, 2, nan, 0);
    list.AddPoint(context, 2, 1, 0);
    list.AddPoint(context, 1, 1, 0);
    EXPECT_EQ(context.m_nPolyLines, 4);
    EXPECT_EQ(context.m_nPoints, 6);
    const auto& polyLines = list.PolyLines();
    EXPECT_EQ(polyLines[0]->m_dKey, 1);
    EXPECT_EQ(polyLines[1]->m_dKey, 2);
    EXPECT_TRUE(std::isnan(polyLines[3]->m_dKey));
    std::vector<CVertex> vertices = polyLines[1]->Vertices();
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[0].m_dSecondary, 1);
    EXPECT_TRUE(std::isnan(vertices[2].m_dSecondary));
}

TEST(Assembly, NegativeZeroReferenceKeepsItsSignInTheOutput)
{
    // 0 and -0 share a polyline, but each vertex prints the zero it was read with.
    CRunContext context;
    CPolyLineList list;
    list.AddPoint(context, 0.0, 1, 0);
    list.AddPoint(context, -0.0, 2, 0);
    std::vector<CVertex> vertices = list.PolyLines()[0]->Vertices();
    ASSERT_EQ(vertices.size(), 2u);
    EXPECT_FALSE(std::signbit(vertices[0].m_dPrimary));
    EXPECT_TRUE(std::signbit(vertices[1].m_dPrimary));
}
