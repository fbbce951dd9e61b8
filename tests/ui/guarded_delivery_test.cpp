// An exception that escapes a handler becomes a message, and the event loop
// goes on.
#include "tests/ui/scripted_platform.h"
#include "ui/platform/guarded_delivery.h"

#include <new>
#include <stdexcept>

namespace orv::testing {
namespace {

TEST(GuardedDelivery, PassesTheHandlersAnswerThrough)
{
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ui::DeliverGuarded([] { return true; }, dialogs));
    EXPECT_FALSE(ui::DeliverGuarded([] { return false; }, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(GuardedDelivery, AnEscapedExceptionBecomesAMessage)
{
    const struct {
        std::function<bool()> handler;
        const char* says;
    } cases[] = {
        {[]() -> bool { throw std::bad_alloc(); }, "not enough memory"},
        {[]() -> bool { throw std::runtime_error("disk on fire"); }, "disk on fire"},
        {[]() -> bool { throw 42; }, "unknown error"},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        EXPECT_FALSE(ui::DeliverGuarded(c.handler, dialogs));
        ASSERT_EQ(dialogs.Texts().size(), 1);
        EXPECT_TRUE(dialogs.Texts().front().contains(QLatin1String(c.says)))
            << dialogs.Texts().front().toStdString();
    }
}

} // namespace
} // namespace orv::testing
