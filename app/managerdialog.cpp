#include "app/managerdialog.h"

#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "app/icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dotsign {

TFMANA::TFMANA(DeviceContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TFMANA"));
    setWindowTitle(tr("管理员使用的功能"));
    auto* picture = new QLabel(this);
    picture->setPixmap(boardPicture(64));
    m_entry = new QLineEdit(this);
    m_entry->setEchoMode(QLineEdit::Password);
    m_confirm = new QPushButton(tr("确认"), this);
    m_confirm->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"), this);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("请输入登录密码"), this));
    right->addWidget(m_entry);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    auto* h = new QHBoxLayout(this);
    h->addWidget(picture);
    h->addLayout(right);
    setFixedSize(sizeHint());

    connect(m_confirm, &QPushButton::clicked, this, &TFMANA::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFMANA::prepare()
{
    m_entry->clear();
    m_entry->setFocus();
}

void TFMANA::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    prepare();
}

void TFMANA::confirm()
{
    if (m_entry->text() != m_context.state.cur().password) {
        m_context.dialogs.information(this, tr("密码错误,请重新录入。"));
        return;
    }
    accept();
}

} // namespace dotsign
