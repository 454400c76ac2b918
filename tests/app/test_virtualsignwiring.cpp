// The virtual sign's menu item joins the send menu whatever language the
// menu titles are shown in.
#include "app/devicecontext.h"
#include "app/virtualsignwiring.h"
#include "render/ledplanes.h"
#include "support_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

// Shows the main window's menu titles in English while it is alive.
class EnglishMenus : public QTranslator
{
public:
    EnglishMenus() { QCoreApplication::installTranslator(this); }
    ~EnglishMenus() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const char* const table[][2] = {{"文件", "&File"},
                                               {"节目", "&Program"},
                                               {"设置", "&Settings"},
                                               {"发送", "S&end"},
                                               {"帮助", "&Help"}};
        if (qstrcmp(context, "dotsign::TMAINForm") == 0)
            for (const auto& row : table)
                if (qstrcmp(source, row[0]) == 0)
                    return QString::fromUtf8(row[1]);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(VirtualSignWiring, ItemJoinsTheSendMenuInAnyLanguage)
{
    for (bool english : {false, true}) {
        SCOPED_TRACE(english);
        std::unique_ptr<EnglishMenus> translator(english ? new EnglishMenus : nullptr);
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
