// The hardware configuration dialog: its pages and filling them.

#include "app/hardwaredialog.h"

#include "app/devicecontext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace dotsign {

namespace {

QSpinBox* spinBox(int min, int max, int step, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(min, max);
    box->setSingleStep(step);
    return box;
}

QGroupBox* radioGroup(const QString& title, const QStringList& items, QButtonGroup** group, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* v = new QVBoxLayout(box);
    *group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), box);
        (*group)->addButton(b, i);
        v->addWidget(b);
    }
    return box;
}

QComboBox* addressList(const QString& all, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (int a = 1; a <= 128; ++a)
        box->addItem(QString::number(a));
    box->addItem(all);
    return box;
}

QPushButton* button(const QString& caption, QWidget* parent, QBoxLayout* row)
{
    auto* b = new QPushButton(caption, parent);
    row->addWidget(b);
    return b;
}

// Stored values outside a list show its nearest item.
void setIndex(QComboBox* box, int index)
{
    box->setCurrentIndex(std::clamp(index, 0, box->count() - 1));
}

int cardClassIndex(const QString& cardModel)
{
    if (cardModel == QStringLiteral("A类卡"))
        return 0;
    if (cardModel == QStringLiteral("B类卡"))
        return 1;
    return 2;
}

} // namespace

TF_SET1::TF_SET1(DeviceContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TF_SET1"));
    setWindowTitle(tr("硬件配置"));
    m_pages = new QTabWidget(this);
    m_pages->addTab(createSettingsPage(), tr("参数设置"));
    m_pages->addTab(createAccountPage(), tr("用户密码修改"));
    m_pages->addTab(createLinkPage(), tr("通讯设置"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_pages);
    fillFromSettings();
    connect(m_context.exchange.get(), &Exchange::settingsReplyApplied, this, &TF_SET1::fillFromReply);
}

QWidget* TF_SET1::createSettingsPage()
{
    auto* page = new QWidget(this);
    QGroupBox* board = radioGroup(
        tr("单元板类型"),
        {tr("08接口1/16扫F5,F3.75"), tr("12接口P16,08接口背驱P10"), tr("08接口(P10)"), tr("12接口（P10）")},
        &m_unitBoard, page);
    auto* refresh = new QGroupBox(tr("屏刷新频率"), page);
    m_refresh = spinBox(20, 255, 5, refresh);
    auto* refreshRow = new QHBoxLayout(refresh);
    refreshRow->addWidget(m_refresh);
    refreshRow->addWidget(new QLabel(QStringLiteral("HZ"), refresh));
    m_dataLogic = new QCheckBox(tr("数据逻辑电平"), page);
    m_oeLogic = new QCheckBox(tr("OE逻辑电平"), page);

    auto* size = new QGroupBox(tr("LED显示屏大小尺寸设置"), page);
    m_height = spinBox(16, 128, 8, size);
    m_width = spinBox(16, 2048, 16, size);
    auto* sizeGrid = new QGridLayout(size);
    sizeGrid->addWidget(new QLabel(tr("显示屏高度"), size), 0, 0);
    sizeGrid->addWidget(m_height, 0, 1);
    sizeGrid->addWidget(new QLabel(tr("显示屏宽度"), size), 1, 0);
    sizeGrid->addWidget(m_width, 1, 1);

    auto* colour = new QGroupBox(tr("显示屏色彩设置"), page);
    m_colourType = new QComboBox(colour);
    m_colourType->addItems({tr("单色"), tr("双色"), tr("全彩")});
    m_grey = new QComboBox(colour);
    m_grey->addItems(
        {tr("无灰度"), tr("16等级灰度"), tr("256等级灰度"), tr("4096等级灰度"), tr("65536等级灰度")});
    auto* colourGrid = new QGridLayout(colour);
    colourGrid->addWidget(new QLabel(tr("类型"), colour), 0, 0);
    colourGrid->addWidget(m_colourType, 0, 1);
    colourGrid->addWidget(new QLabel(tr("灰度"), colour), 1, 0);
    colourGrid->addWidget(m_grey, 1, 1);
    m_threshold = spinBox(10, 255, 1, page);

    QGroupBox* card = radioGroup(tr("卡的类型"), {tr("A类卡"), tr("B类卡"), tr("C类卡")}, &m_cardClass, page);
    auto* address = new QGroupBox(tr("卡地址"), page);
    m_cardAddress = addressList(tr("所有卡"), address);
    (new QHBoxLayout(address))->addWidget(m_cardAddress);
    address->hide(); // one card per line: it stays at "1"
    m_usb = new QCheckBox(tr("选择U盘传输带亮度调节，定时开关机及高级设置功能"), page);

    auto* buttons = new QHBoxLayout;
    m_read = button(tr("读控制卡内设置"), page, buttons);
    QPushButton* save = button(tr("保存设置"), page, buttons);
    m_sendToCard = button(tr("发送到控制卡"), page, buttons);
    QPushButton* close = button(tr("关闭"), page, buttons);
    m_read->hide();

    auto* grid = new QGridLayout(page);
    grid->addWidget(board, 0, 0, 2, 1);
    grid->addWidget(refresh, 0, 1);
    grid->addWidget(m_dataLogic, 1, 1);
    grid->addWidget(m_oeLogic, 2, 1);
    grid->addWidget(size, 2, 0, 2, 1);
    grid->addWidget(colour, 4, 0);
    auto* threshold = new QHBoxLayout;
    threshold->addWidget(new QLabel(tr("颜色阀值"), page));
    threshold->addWidget(m_threshold);
    grid->addLayout(threshold, 3, 1);
    grid->addWidget(card, 4, 1);
    grid->addWidget(address, 5, 1);
    grid->addWidget(m_usb, 6, 0, 1, 2);
    grid->addLayout(buttons, 7, 0, 1, 2);

    connect(m_unitBoard, &QButtonGroup::idClicked, this, &TF_SET1::unitBoardClicked);
    connect(m_cardClass, &QButtonGroup::idClicked, this, &TF_SET1::cardClassClicked);
    for (QSpinBox* b : {m_refresh, m_height, m_width, m_threshold})
        connect(b, &QSpinBox::valueChanged, this, &TF_SET1::markDirty);
    for (QComboBox* b : {m_colourType, m_grey, m_cardAddress})
        connect(b, &QComboBox::currentIndexChanged, this, &TF_SET1::markDirty);
    for (QCheckBox* b : {m_dataLogic, m_oeLogic, m_usb})
        connect(b, &QCheckBox::toggled, this, &TF_SET1::markDirty);
    connect(m_read, &QPushButton::clicked, this, &TF_SET1::readFromCard);
    connect(save, &QPushButton::clicked, this, &TF_SET1::saveSettings);
    connect(m_sendToCard, &QPushButton::clicked, this, &TF_SET1::sendToCard);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return page;
}

QWidget* TF_SET1::createAccountPage()
{
    auto* page = new QWidget(this);
    m_oldUser = new QLineEdit(page);
    m_oldPassword = new QLineEdit(page);
    m_newUser = new QLineEdit(page);
    m_newPassword = new QLineEdit(page);
    for (QLineEdit* e : {m_oldPassword, m_newPassword})
        e->setEchoMode(QLineEdit::Password);
    auto* grid = new QGridLayout(page);
    const QString labels[4] = {tr("原用户名"), tr("原密码"), tr("新用户名"), tr("新密码")};
    QLineEdit* entries[4] = {m_oldUser, m_oldPassword, m_newUser, m_newPassword};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(labels[i], page), i, 0);
        grid->addWidget(entries[i], i, 1);
    }
    auto* buttons = new QHBoxLayout;
    QPushButton* factory = button(tr("恢复出厂密码"), page, buttons);
    QPushButton* clear = button(tr("取消密码"), page, buttons);
    QPushButton* save = button(tr("保存设置"), page, buttons);
    QPushButton* close = button(tr("关闭"), page, buttons);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    connect(factory, &QPushButton::clicked, this, &TF_SET1::factoryAccount);
    connect(clear, &QPushButton::clicked, this, &TF_SET1::clearPassword);
    connect(save, &QPushButton::clicked, this, &TF_SET1::saveAccount);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return page;
}

QWidget* TF_SET1::createLinkPage()
{
    auto* page = new QWidget(this);
    QGroupBox* link =
        radioGroup(tr("通讯方式"),
                   {tr("本地串口"), QStringLiteral("TCP"), QStringLiteral("GSM"), QStringLiteral("GPRS/GSM")},
                   &m_linkType, page);
    link->hide(); // every exchange uses the local serial port
    auto* portRow = new QHBoxLayout;
    QPushButton* port = button(tr("本地串口参数设置"), page, portRow);
    portRow->addStretch();

    auto* test = new QGroupBox(tr("检测屏地址"), page);
    auto* testRow = new QHBoxLayout(test);
    m_testAddress = addressList(tr("所有卡"), test);
    m_testAddress->hide();
    testRow->addWidget(m_testAddress);
    QPushButton* comm = button(tr("通讯测试"), test, testRow);
    QPushButton* unit = button(tr("单元板检测"), test, testRow);
    testRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* save = button(tr("保存设置"), page, buttons);
    QPushButton* close = button(tr("关闭"), page, buttons);
    auto* v = new QVBoxLayout(page);
    v->addWidget(link);
    v->addLayout(portRow);
    v->addWidget(test);
    v->addStretch();
    v->addLayout(buttons);
    connect(port, &QPushButton::clicked, this, &TF_SET1::portSettings);
    connect(comm, &QPushButton::clicked, this, &TF_SET1::commTest);
    connect(unit, &QPushButton::clicked, this, &TF_SET1::unitTest);
    connect(save, &QPushButton::clicked, this, &TF_SET1::saveLink);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return page;
}

void TF_SET1::fillFromSettings()
{
    const HardwareSettings& hw = m_context.state.hw;
    m_unitBoard->button(0)->setChecked(true);
    m_cardClass->button(0)->setChecked(true);
    setUnitBoard(hw.unitBoardType);
    m_refresh->setValue(hw.refreshRate);
    m_height->setValue(hw.screenHeight);
    m_threshold->setValue(hw.colourThreshold);
    m_width->setValue(hw.screenWidth);
    setIndex(m_colourType, hw.colourType);
    setIndex(m_grey, hw.greyLevel);
    setIndex(m_cardAddress, hw.cardAddress - 1);
    m_usb->setChecked(hw.usbDiskMode > 0);
    setCardClass(cardClassIndex(hw.cardModel));
    m_dataLogic->setChecked(hw.dataLogic > 0);
    m_oeLogic->setChecked(hw.oeLogic > 0);
    if (QAbstractButton* b = m_linkType->button(hw.linkType))
        b->setChecked(true);
    m_testAddress->setCurrentIndex(m_context.link.testIndex);
    SettingsDirty = 0;
}

// The card's answer to "读控制卡内设置" is already in the screen record.
void TF_SET1::fillFromReply()
{
    const TprojectProp& s = m_context.state.cur();
    setIndex(m_cardAddress, s.cardAddress - 1);
    m_refresh->setValue(s.refreshRate);
    m_height->setValue(s.screenHeight);
    m_width->setValue(s.screenWidth);
    setIndex(m_colourType, s.colourType);
    setIndex(m_grey, s.greyLevel);
    setUnitBoard(s.unitBoardType);
    m_dataLogic->setChecked(s.dataLogic > 0);
    m_oeLogic->setChecked(s.oeLogic > 0);
    setCardClass(cardClassIndex(s.cardModel));
}

// Choosing from code acts like a click when the choice changes.
void TF_SET1::setCardClass(int cardClass)
{
    if (m_cardClass->checkedId() == cardClass || !m_cardClass->button(cardClass))
        return;
    m_cardClass->button(cardClass)->setChecked(true);
    cardClassClicked(cardClass);
}

void TF_SET1::setUnitBoard(int type)
{
    if (m_unitBoard->checkedId() == type || !m_unitBoard->button(type))
        return;
    m_unitBoard->button(type)->setChecked(true);
    unitBoardClicked(type);
}

void TF_SET1::markDirty()
{
    SettingsDirty = 200;
}

} // namespace dotsign
