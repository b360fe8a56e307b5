#include <gtest/gtest.h>

#include <vector>

#include "platform/windows.h"
#include "tabs/air_tab.h"
#include "tabs/drainage_tab.h"
#include "tabs/options_tab.h"
#include "tabs/water_tab.h"
#include "ui/main_controls.h"

namespace {

// Two routes of one control that take the same event would hide one another.
bool SameEvent(Reacts a, Reacts b)
{
    return a == b || a == Reacts::Any || b == Reacts::Any;
}

TEST(RouteTables, EachControlExistsAndEachEventHasOneRoute)
{
    std::vector<ControlRoute> routes;
    for (RouteTable table : {WaterRoutes(), AirRoutes(), DrainageRoutes(), OptionsRoutes()})
        routes.insert(routes.end(), table.begin(), table.end());
    for (size_t i = 0; i < routes.size(); ++i) {
        const ControlRoute& route = routes[i];
        EXPECT_EQ(route.window, MainWindow) << route.first;
        EXPECT_LE(route.first, route.last) << route.first;
        EXPECT_NE(FindMainControl(route.first), nullptr) << route.first;
        EXPECT_NE(FindMainControl(route.last), nullptr) << route.last;
        EXPECT_NE(route.handler, nullptr) << route.first;
        for (size_t j = i + 1; j < routes.size(); ++j) {
            const ControlRoute& other = routes[j];
            bool overlap = route.window == other.window && route.first <= other.last && other.first <= route.last;
            EXPECT_FALSE(overlap && SameEvent(route.reacts, other.reacts)) << route.first << " and " << other.first;
        }
    }
}

}  // namespace
