#pragma once
// The project commands of the "文件" menu and the toolbar: new, open, save
// and save as, and the window shown while a project is being saved.

#include <QWidget>

namespace dotsign {

class DeviceContext;
class TMAINForm;

// "正在保存节目信息中": stays on top while the project is written.
class TFSAVE : public QWidget
{
    Q_OBJECT
public:
    explicit TFSAVE(QWidget* parent = nullptr);
};

inline const QString kProjectFilter = QStringLiteral("VeRozAradezu Format Files (*.[Kk][Vv][Pp])");

// "新建": an empty project that keeps the file of the project that was open,
// so the next save writes it there. Asks nothing.
void newProject(TMAINForm& window);
// "打开". Whether or not a file was chosen, the view returns to program 1.
void openProject(TMAINForm& window, DeviceContext& context);
// "保存" of the menu (reselect false) and of the toolbar (reselect true).
bool saveWithProgress(TMAINForm& window, TFSAVE& progress, bool reselect);
// "另存为".
bool saveProjectAs(TMAINForm& window, DeviceContext& context);

} // namespace dotsign
