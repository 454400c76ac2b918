#pragma once
// The hardware configuration dialog: the sign's size, colours, unit boards,
// refresh and logic levels, the card class and address (page "参数设置"),
// the user account that the administrator prompt checks ("用户密码修改"),
// and the serial link with the communication and unit-board tests
// ("通讯设置"). Created for each use behind the administrator prompt.
//
// Settings edited on the first page reach the screen only at "保存设置"
// (which "发送到控制卡" and "读控制卡内设置" run too); the card class and the
// link settings take effect at once.

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace dotsign {

class DeviceContext;

class TF_SET1 : public QDialog
{
    Q_OBJECT
public:
    TF_SET1(DeviceContext& context, QWidget* parent = nullptr);

    // 0: the controls match what was saved last; 200: a control changed.
    int SettingsDirty = 0;

    // Page "参数设置".
    QButtonGroup* unitBoardGroup() const { return m_unitBoard; }
    QSpinBox* refreshBox() const { return m_refresh; }
    QCheckBox* dataLogicBox() const { return m_dataLogic; }
    QCheckBox* oeLogicBox() const { return m_oeLogic; }
    QSpinBox* heightBox() const { return m_height; }
    QSpinBox* widthBox() const { return m_width; }
    QComboBox* colourTypeBox() const { return m_colourType; }
    QComboBox* greyBox() const { return m_grey; }
    QSpinBox* thresholdBox() const { return m_threshold; }
    QButtonGroup* cardClassGroup() const { return m_cardClass; }
    QCheckBox* usbBox() const { return m_usb; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* sendButton() const { return m_sendToCard; }
    // Page "用户密码修改".
    QLineEdit* oldUserEntry() const { return m_oldUser; }
    QLineEdit* oldPasswordEntry() const { return m_oldPassword; }
    QLineEdit* newUserEntry() const { return m_newUser; }
    QLineEdit* newPasswordEntry() const { return m_newPassword; }
    QTabWidget* pages() const { return m_pages; }

    // Buttons.
    void saveSettings();   // "保存设置" of the first page
    void sendToCard();     // "发送到控制卡"
    void readFromCard();   // "读控制卡内设置"
    void commTest();       // "通讯测试"
    void unitTest();       // "单元板检测"
    void portSettings();   // "本地串口参数设置"
    void saveLink();       // "保存设置" of the communication page
    void saveAccount();    // "保存设置" of the user page
    void factoryAccount(); // "恢复出厂密码"
    void clearPassword();  // "取消密码"

    void unitBoardClicked(int type);
    void cardClassClicked(int cardClass);

private:
    QWidget* createSettingsPage();
    QWidget* createAccountPage();
    QWidget* createLinkPage();
    void fillFromSettings();
    void fillFromReply();
    void setCardClass(int cardClass);
    void setUnitBoard(int type);
    void readControls();
    void showScreenPanels();
    void writeSettings();
    void accountChanged();
    void markDirty();

    DeviceContext& m_context;
    QTabWidget* m_pages = nullptr;
    QButtonGroup* m_unitBoard = nullptr;
    QSpinBox* m_refresh = nullptr;
    QCheckBox* m_dataLogic = nullptr;
    QCheckBox* m_oeLogic = nullptr;
    QSpinBox* m_height = nullptr;
    QSpinBox* m_width = nullptr;
    QComboBox* m_colourType = nullptr;
    QComboBox* m_grey = nullptr;
    QSpinBox* m_threshold = nullptr;
    QButtonGroup* m_cardClass = nullptr;
    QComboBox* m_cardAddress = nullptr;
    QCheckBox* m_usb = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_sendToCard = nullptr;
    QLineEdit* m_oldUser = nullptr;
    QLineEdit* m_oldPassword = nullptr;
    QLineEdit* m_newUser = nullptr;
    QLineEdit* m_newPassword = nullptr;
    QButtonGroup* m_linkType = nullptr;
    QComboBox* m_testAddress = nullptr;
};

} // namespace dotsign
