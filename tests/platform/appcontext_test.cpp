// The application context seam: the do-nothing context and installing one.
#include "appcontext.h"
#include "fakeappcontext.h"

#include <gtest/gtest.h>

TEST(AppContext, AbsentContextAnswersNothingAndSkipsServices)
{
    AppContext *context = AppContext::instance();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->prefs(), nullptr);
    EXPECT_EQ(context->chords(), nullptr);
    context->temporaryStopFSRefresh();
}

TEST(AppContext, InstalledContextIsReachedUntilItGoes)
{
    {
        FakeAppContext fake;
        EXPECT_EQ(AppContext::instance(), &fake);
        AppContext::instance()->temporaryStopFSRefresh();
        EXPECT_EQ(fake.fsRefreshPauses, 1);
    }
    EXPECT_EQ(AppContext::instance()->prefs(), nullptr);
}
