// The virtual sign's menu item joins the send menu whatever language the
// menu titles are shown in.
#include "app/devicecontext.h"
#include "app/virtualsignwiring.h"
#include "render/ledplanes.h"
#include "support_translator.h"
#include "support_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

using namespace dotsign;

TEST(VirtualSignWiring, ItemJoinsTheSendMenuInAnyLanguage)
{
    for (bool english : {false, true}) {
        SCOPED_TRACE(english);
        std::unique_ptr<test::RuleTranslator> translator(
            english ? new test::RuleTranslator("dotsign::TMAINForm", {{"文件", "&File"},
                                                                      {"节目", "&Program"},
                                                                      {"设置", "&Settings"},
                                                                      {"发送", "S&end"},
                                                                      {"帮助", "&Help"}})
                    : nullptr);
        WindowFixture f;
        f.writeProject(128, 32, {1});
        TMAINForm& w = f.open();
        LedPlanes planes;
        DeviceContext context(f.state, f.dialogs, &planes);
        wireVirtualSign(w, context);

        auto* send = w.findChild<QMenu*>(QStringLiteral("M_Send"));
        ASSERT_NE(send, nullptr);
        EXPECT_EQ(send->title(), english ? QStringLiteral("S&end") : QStringLiteral("发送"));
        auto* item = w.findChild<QAction*>(QStringLiteral("N_VirtualSign"));
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(send->actions().contains(item));
    }
}
