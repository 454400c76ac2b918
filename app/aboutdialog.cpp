#include "app/aboutdialog.h"

#include "app/apptitle.h"
#include "app/icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dotsign {

TFABOUT::TFABOUT(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFABOUT"));
    setWindowTitle(tr("系统介绍"));
    auto* logo = new QLabel(this);
    logo->setPixmap(signPicture(96));
    auto* board = new QLabel(this);
    board->setPixmap(boardPicture(96));
    auto* title = new QLabel(
        QStringLiteral("<b>%1</b> %2").arg(applicationTitle(), QStringLiteral(DOTSIGN_VERSION)), this);
    auto* edition = new QLabel(tr("单色 / 双色 LED 显示屏节目编辑与下载"), this);
    auto* legal = new QLabel(
        tr("本软件按原样提供，不附带任何明示或暗示的担保。\n使用本软件向显示屏发送的内容由使用者负责。"),
        this);
    legal->setWordWrap(true);
    auto* ok = new QPushButton(tr("确认"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(logo);
    pictures->addWidget(board);
    pictures->addStretch();
    auto* v = new QVBoxLayout(this);
    v->addLayout(pictures);
    v->addWidget(title);
    v->addWidget(edition);
    v->addWidget(legal);
    v->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(380);
}

} // namespace dotsign
