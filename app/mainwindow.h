#pragma once
// The main window: project tree, layout views, zoomed zone preview, the
// property editor (zone page and program page), menus, toolbar and status bar.
// Its behaviour is split over several files by responsibility:
//   mainwindow.cpp           creation, first showing, closing, status bar
//   mainwindow_commands.cpp  the command table (menus and toolbar), save, about
//   mainwindow_tree.cpp      building the tree and the selection handler
//   mainwindow_programs.cpp  adding and deleting programs, zone types
//   mainwindow_layout.cpp    Loadtoscreen, layout views, zone geometry
//   mainwindow_preview.cpp   zone previews, thumbnails and zoom

#include "app/layoutrules.h"
#include "project/projectstate.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <QTreeWidget>
#include <array>

class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QDockWidget;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QToolBar;
class QTreeWidgetItem;
class QWidget;

namespace dotsign {

class ClockPanel;
class CoordinateGroup;
class Dialogs;
class LayoutView;
class LedPlanes;
class PixelImage;
class PlaybackGroup;
class ProgramPage;
class TemplateDialog;
class TextPanel;
struct ZonePreviewImage;

// Tree node image indexes.
enum NodeImage { ImageText = 0, ImageClock = 1, ImageDocument = 2, ImageScreen = 5, ImageProgram = 6 };

class TMAINForm : public QMainWindow
{
    Q_OBJECT
public:
    TMAINForm(ProjectState& state, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TMAINForm() override;

    // Editing state kept by the window (one instance for the process).
    bool GeometryLoading = false;
    bool PlayModeLoading = true;
    QPoint LayoutOrigin{30, 30};
    QStringList WeekdayNames;
    QStringList DigitStrings;
    QString CurrentZoneFile;
    QString ZoneBitmapPath;

    ProjectState& state() { return m_state; }
    QTreeWidget* tree() const { return m_tree; }
    // Enables a command that was shown as coming in a later release, with its
    // own hint back in place of the note.
    void releaseCommand(QAction* action);
    LayoutView* layoutView(int layoutTemplate) const;
    PixelImage* image1() const { return m_image1; }
    PixelImage* image100() const { return m_image100; }
    TemplateDialog* templateDialog() const { return m_templateDialog; }
    QAction* action(const QString& objectName) const;
    int PreviewWidth = 0;
    int PreviewHeight = 0;

    // The selection handler: acts on the tree's selected node.
    void OBJECT_TREEMouseDown(QObject* sender);
    void find_jiemu();
    void find_fenqu(int zone);
    void Loadtoscreen(int mode);
    void showpanel(int layoutTemplate);

    // The LED planes the clock editor copies its sample into (owned by the caller).
    void setPlanes(LedPlanes* planes) { m_planes = planes; }

    // Shows the status panels the core keeps in the project state.
    void refreshStatusBar();

    // Loads the project at the first showing (also callable directly).
    void loadProjectAtStart();

    // Commands.
    void addProgram();
    void deleteProgram();
    void setZoneTypeFromMenu(int type);
    void zoom(int factor);
    bool saveProject(bool reselect);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creation (mainwindow.cpp).
    void FormCreate();
    void createRegions();
    QWidget* createLeftDock();
    QWidget* createLayoutArea();
    QWidget* createPreviewArea();
    void createPropertyDock();
    void createStatusBar();
    void FormShow();

    // Command table (mainwindow_commands.cpp).
    void createActions();
    QAction* makeAction(const QString& name, const QString& caption, const QString& hint, int icon);
    void laterRelease(QAction* action);
    void createMenus();
    void createToolBar();
    void createTreePopup();
    void showAbout();
    void setDeleteEnabled(bool enabled);

    // Tree (mainwindow_tree.cpp).
    void buildTree();
    QTreeWidgetItem* rootNode() const;
    QTreeWidgetItem* addProgramNode(int n);
    QTreeWidgetItem* addZoneNodes(QTreeWidgetItem* programNode, int n);
    void setNodeImage(QTreeWidgetItem* node, int image);
    void selectProgramNode(QTreeWidgetItem* node, QObject* sender);
    void selectZoneNode(QTreeWidgetItem* node, QTreeWidgetItem* programNode);
    void previewProgramZones();
    void showEditorForZone(int type);
    void OBJECT_TREEDblClick();
    void zoneImagePressed(int zone);

    // Programs (mainwindow_programs.cpp).
    int songtiIndex() const;
    void createProgram(int n);
    void renumberTree();
    void RadioGroup1Click(int index);

    // Layout and geometry (mainwindow_layout.cpp).
    void loadScreenPart();
    void loadProgramPart(int mode);
    void sizeLayoutView();
    void hideLayoutViews();
    void moveViewsToOrigin();
    void colourZonePanels(int mode);
    void geometryFieldChanged(GeometryField field, int value);
    void applySizes(const TemplateSizes& sizes);
    void splitterReleased(int layoutTemplate, int index, int newSize);
    void m1_bmpMouseDown();
    void openTextFile();

    // Previews (mainwindow_preview.cpp).
    void Open();
    void yuelan();
    void yuelanrtf();
    void BitBtn1Click();
    void renderCurrentZone();
    void showZoneImage(const ZonePreviewImage& preview);
    void saveZoneBitmap(const QImage& image);
    void drawPageMarks();
    void refreshThumbnails();
    void loadThumbnail(int zone);
    void setPreviewSize(int width, int height);
    void clockDrawn(const QImage& image);
    void textChanged();
    void stayChanged();
    QString currentZoneBitmapPath() const;

    ProjectState& m_state;
    Dialogs& m_dialogs;
    LedPlanes* m_planes = nullptr;
    bool m_firstShow = true;
    bool m_closing = false;

    QTreeWidget* m_tree = nullptr;
    QButtonGroup* m_zoneTypeGroup = nullptr; // RadioGroup1
    QWidget* m_layoutArea = nullptr;
    QScrollArea* m_layoutScroll = nullptr;
    std::array<LayoutView*, 4> m_views{};
    QScrollArea* m_previewScroll = nullptr;
    PixelImage* m_image1 = nullptr;
    PixelImage* m_image100 = nullptr;
    QDockWidget* m_propertyDock = nullptr;
    QStackedWidget* m_pages = nullptr;   // zone page Panel1 / program page Panel3
    QStackedWidget* m_editors = nullptr; // Panel5 / Panel12 / Panel11
    QWidget* m_zonePage = nullptr;
    TextPanel* m_textPanel = nullptr;
    ClockPanel* m_clockPanel = nullptr;
    QWidget* m_docPanel = nullptr;
    PlaybackGroup* m_playback = nullptr;
    CoordinateGroup* m_coordinates = nullptr;
    ProgramPage* m_programPage = nullptr;
    std::array<QLabel*, kStatusPanels> m_statusLabels{};
    QComboBox* m_portBox = nullptr;
    QComboBox* m_addressBox = nullptr;
    QMenu* m_treePopup = nullptr;
    QMenu* m_imagePopup = nullptr;
    QToolBar* m_toolBar = nullptr;
    TemplateDialog* m_templateDialog = nullptr;
    QDialog* m_aboutBox = nullptr;
};

} // namespace dotsign
