#include "rename/form_rename.h"

#include "rename/rename_list_model.h"
#include "rename/run_messages.h"
#include "shell/dropped_files.h"
#include "shell/seams.h"
#include "shell/ui_controls.h"
#include "shell/ui_fonts.h"
#include "shell/ui_units.h"
#include "shell/version.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QWindow>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

using renamer::Focus;
using renamer::NameBox;
using renamer::RenameState;

namespace {

constexpr int ClientWidthTwips = 6030;
constexpr int ClientHeightTwips = 4065;
constexpr int NoIndex = -1;
constexpr int ButtonPicturePixels = 32;
constexpr int MethodPicturePixels = 16;

// The button with this index stands in the last row for symmetry and is never usable.
constexpr int UnusedMethod = 12;
constexpr int MethodButtonCount = 13;

const QColor WindowBlue(0xC0, 0xC0, 0xFF);
const QColor GuidanceGrey(0xE0, 0xE0, 0xE0);
const QColor UsableWhite(0xFF, 0xFF, 0xFF);

const QString ButtonStyle = QStringLiteral(
    "QPushButton { background: #C0C0FF; border: 1px solid #7F7FC8; border-radius: 3px; }"
    "QPushButton:hover { background: #D4D4FF; }"
    "QPushButton:focus { border-color: #2B2B9A; }"
    "QPushButton:pressed, QPushButton:checked { background: #9A9AEE; border: 2px solid #5B5BB0; }"
    "QPushButton:disabled { color: #8C8CB4; border-color: #A6A6D8; }"
    "QPushButton:checked:disabled { background: #ADADE6; }");

// Where each control stands, in twips; controls inside FrameOpt are placed relative to it.
// The tab indexes run across the frame's border, so the frame's controls take their
// turns between the window's own.
struct ControlPlace {
    const char *name;
    int index;  // within a control array; NoIndex for a single control
    int left, top, width, height;
    int tabIndex;
    const char16_t *tooltip;  // nullptr: none
};

constexpr std::array<ControlPlace, 25> ControlPlaces = {{
    {"FrameOpt", NoIndex, 120, -60, 5775, 1275, 3, nullptr},
    {"TextMes", NoIndex, 2640, 900, 3135, 285, 14, nullptr},
    {"TxtFolder", NoIndex, 840, 1320, 5055, 315, 6, nullptr},
    {"ListViewFiles", NoIndex, 840, 1680, 5055, 2235, 24, nullptr},
    {"CmdRenView", NoIndex, 120, 1320, 615, 615, 1, u"リネームリスト作成"},
    {"CmdRenGo", NoIndex, 120, 1980, 615, 615, 2, u"リネーム実行"},
    {"CmdRenGoBack", NoIndex, 120, 2640, 615, 615, 0, u"リネーム取消し"},
    {"CmdRenExit", NoIndex, 120, 3300, 615, 615, 23, nullptr},
    {"OptRenSort", 0, 120, 180, 735, 315, 4, u"自動変更モード"},
    {"OptRenSort", 1, 900, 180, 735, 315, 5, u"拡張子一括変更モード"},
    {"OptRenSort", 2, 1680, 180, 735, 315, 11, u"連続番号モード"},
    {"TxtFnameHead", NoIndex, 2520, 360, 1455, 330, 7, nullptr},
    {"TxtFnameNum", NoIndex, 3960, 360, 735, 330, 8, nullptr},
    {"Label1", NoIndex, 4770, 480, 255, 255, 9, nullptr},
    {"TxtFnameExt", NoIndex, 4920, 360, 735, 330, 10, nullptr},
    {"OptRenSort", 3, 120, 540, 435, 315, 12, u"「へのショートカット」削除"},
    {"OptRenSort", 4, 585, 540, 435, 315, 13, u"小文字へ"},
    {"OptRenSort", 5, 1050, 540, 435, 315, 15, u"大文字へ"},
    {"OptRenSort", 6, 1515, 540, 435, 315, 16, u"スペースを無くす"},
    {"OptRenSort", 7, 1980, 540, 435, 315, 17, u"括弧を無くす"},
    {"OptRenSort", 8, 120, 900, 435, 315, 18, u"始めに追加"},
    {"OptRenSort", 9, 585, 900, 435, 315, 19, u"始めの一致文字列削除"},
    {"OptRenSort", 10, 1050, 900, 435, 315, 20, u"後ろに追加"},
    {"OptRenSort", 11, 1515, 900, 435, 315, 21, u"後ろの一致文字列削除"},
    {"OptRenSort", 12, 1980, 900, 435, 315, 22, u"括弧を無くす"},
}};

// What each method button shows: a caption, or a picture of what the method does.
struct MethodFace {
    const char16_t *caption;  // nullptr: none
    const char *picture;      // nullptr: none
};

constexpr std::array<MethodFace, MethodButtonCount> MethodFaces = {{
    {u"オート", nullptr},
    {u"拡張子", nullptr},
    {u"連\u3000番", nullptr},
    {nullptr, ":/opt_no_shortcut.svg"},
    {nullptr, ":/opt_lower_case.svg"},
    {nullptr, ":/opt_upper_case.svg"},
    {nullptr, ":/opt_no_spaces.svg"},
    {nullptr, ":/opt_no_brackets.svg"},
    {u"+□", nullptr},
    {u"-□", nullptr},
    {u"□+", nullptr},
    {u"□-", nullptr},
    {nullptr, nullptr},
}};

// The ways in besides a drop: the list's and the folder box's menu, and Ctrl+O.
constexpr char16_t AddFilesText[] = u"ファイルを追加…";
constexpr char16_t AddFolderText[] = u"フォルダーの中身を追加…";
constexpr char16_t AddFilesCaption[] = u"リストに入れるファイルを選ぶ";
constexpr char16_t AddFolderCaption[] = u"中身をリストに入れるフォルダーを選ぶ";
constexpr char16_t UnsureNameCause[] =
    u"\n選んだファイルの名前には文字として読めない部分があり、ファイルを選ぶ画面からは正確に受け取れません。"
    u"ファイルをドロップして下さい";

// The other windows of the program, in the order the exit closes them; this window
// closes last.
constexpr std::array<const char *, 3> OtherFormsInExitOrder = {"FormAbout", "FormExtDic", "FormMain"};

QString text(std::u16string_view view)
{
    return QString::fromUtf16(view.data(), static_cast<qsizetype>(view.size()));
}

void paintBase(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, colour);
    widget->setPalette(pal);
}

QPushButton *makePictureButton(QWidget *parent, const char *name, const QString &picture,
                               const QString &disabledPicture = QString())
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ui::buttonPicture(picture, disabledPicture));
    button->setIconSize(QSize(ButtonPicturePixels, ButtonPicturePixels));
    button->setStyleSheet(ButtonStyle);
    button->setAcceptDrops(false);
    // Each step hands the focus to the button of the next one; Enter then takes it.
    button->setAutoDefault(true);
    return button;
}

QWidget *focusTarget(Focus focus, QPushButton *build, QPushButton *rename, QPushButton *undo)
{
    switch (focus) {
    case Focus::BuildButton:
        return build;
    case Focus::RenameButton:
        return rename;
    case Focus::UndoButton:
        return undo;
    case Focus::Unchanged:
        break;
    }
    return nullptr;
}

} // namespace

FormRename::FormRename(engine::Engine &engine, QWidget *parent)
    : QWidget(parent), m_engine(engine, m_run),
      m_core(m_engine,
             [this](const std::u16string &message) {
                 const renamer::LongRun::Pause pause(m_run);
                 shell::showMessage(this, QString::fromStdU16String(message));
             })
{
    setObjectName(QStringLiteral("FormRename"));
    setWindowTitle(QStringLiteral("Rename (Part of Sorvena)"));
    setWindowIcon(QIcon(QStringLiteral(":/cmd_rename_dlg.svg")));
    ui::paintBackground(this, WindowBlue);
    setFont(ui::gothicFont(9.75));
    setAcceptDrops(true);
    resize(ui::twips(ClientWidthTwips), ui::twips(ClientHeightTwips));
    // The rename run renames files through the core's bare names; each step lets the
    // window repaint as the engine's calls do.
    m_core.setRenameFunction([this](const std::u16string &from, const std::u16string &to) {
        m_run.keepPainted();
        return m_core.renameOnDisk(from, to);
    });
    createControls();
    applyLayout();
    applyTabOrder();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &FormRename::focusWindowChanged);
    Form_Load();
}

FormRename::~FormRename() = default;

void FormRename::createControls()
{
    FrameOpt = new QFrame(this);
    FrameOpt->setObjectName(QStringLiteral("FrameOpt"));
    FrameOpt->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ui::paintBackground(FrameOpt, WindowBlue);

    const QFont plain = ui::gothicFont(9.75);
    const QFont nameFont = ui::gothicFont(11.25, true);
    TxtFnameHead = ui::makeBox(FrameOpt, "TxtFnameHead", false, nameFont);
    TxtFnameNum = ui::makeBox(FrameOpt, "TxtFnameNum", false, nameFont);
    TxtFnameExt = ui::makeBox(FrameOpt, "TxtFnameExt", false, nameFont);
    Label1 = new QLabel(QStringLiteral("・"), FrameOpt);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ui::gothicFont(14.25));
    for (QLineEdit *box : {TxtFnameHead, TxtFnameNum, TxtFnameExt})
        box->installEventFilter(this);
    connect(TxtFnameHead, &QLineEdit::textChanged, this, &FormRename::TxtFnameHead_Change);
    connect(TxtFnameNum, &QLineEdit::textChanged, this, &FormRename::TxtFnameNum_Change);
    connect(TxtFnameExt, &QLineEdit::textChanged, this, &FormRename::TxtFnameExt_Change);
    createMethodButtons();

    TextMes = ui::makeBox(this, "TextMes", true, plain);
    TextMes->setText(QStringLiteral("ファイルをドロップして下さい"));
    QPalette guidance = TextMes->palette();
    guidance.setColor(QPalette::Base, GuidanceGrey);
    guidance.setColor(QPalette::Text, Qt::black);
    TextMes->setPalette(guidance);
    TxtFolder = ui::makeBox(this, "TxtFolder", true, plain);
    TxtFolder->setText(QStringLiteral("ディレクトリー名"));

    ListViewFiles = new QTreeView(this);
    ListViewFiles->setObjectName(QStringLiteral("ListViewFiles"));
    m_model = new renamer::RenameListModel(ListViewFiles);
    ListViewFiles->setModel(m_model);
    ListViewFiles->setRootIsDecorated(false);
    ListViewFiles->setItemsExpandable(false);
    // Every row has one line of text; without this the view would measure all of them.
    ListViewFiles->setUniformRowHeights(true);
    ListViewFiles->setAllColumnsShowFocus(true);
    ListViewFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListViewFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListViewFiles->setSortingEnabled(false);
    ListViewFiles->setTextElideMode(Qt::ElideMiddle);
    ListViewFiles->header()->setStretchLastSection(false);
    ListViewFiles->header()->setSectionsMovable(false);
    ListViewFiles->setAcceptDrops(false);
    ListViewFiles->viewport()->setAcceptDrops(false);
    // Space and a double-click leave a row out of the run or take it back.
    ListViewFiles->installEventFilter(this);
    connect(ListViewFiles, &QAbstractItemView::doubleClicked, this, &FormRename::ListViewFiles_DoubleClick);
    for (QWidget *target : {static_cast<QWidget *>(ListViewFiles), static_cast<QWidget *>(TxtFolder)}) {
        target->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(target, &QWidget::customContextMenuRequested, this,
                [this, target](const QPoint &position) { showContextMenu(target, position); });
    }
    auto *open = new QShortcut(QKeySequence::Open, this);
    open->setObjectName(QStringLiteral("ShortcutOpen"));
    connect(open, &QShortcut::activated, this, &FormRename::myAddFiles);

    CmdRenView = makePictureButton(this, "CmdRenView", QStringLiteral(":/ren_view.svg"),
                                   QStringLiteral(":/ren_view_disabled.svg"));
    CmdRenGo = makePictureButton(this, "CmdRenGo", QStringLiteral(":/ren_go.svg"),
                                 QStringLiteral(":/ren_go_disabled.svg"));
    CmdRenGoBack = makePictureButton(this, "CmdRenGoBack", QStringLiteral(":/ren_go_back.svg"),
                                     QStringLiteral(":/ren_go_back_disabled.svg"));
    CmdRenExit = makePictureButton(this, "CmdRenExit", QStringLiteral(":/cmd_exit.svg"));
    connect(CmdRenView, &QPushButton::clicked, this, &FormRename::CmdRenView_Click);
    connect(CmdRenGo, &QPushButton::clicked, this, &FormRename::CmdRenGo_Click);
    connect(CmdRenGoBack, &QPushButton::clicked, this, &FormRename::CmdRenGoBack_Click);
    connect(CmdRenExit, &QPushButton::clicked, this, &FormRename::CmdRenExit_Click);
    ActRenUndoLast = new QAction(QString::fromUtf16(renamer::RunMessages::UndoLastRunAction), this);
    ActRenUndoLast->setObjectName(QStringLiteral("ActRenUndoLast"));
    ActRenUndoLast->setShortcut(QKeySequence::Undo);
    ActRenUndoLast->setShortcutContext(Qt::WindowShortcut);
    ActRenUndoLast->setEnabled(false);
    addAction(ActRenUndoLast);
    connect(ActRenUndoLast, &QAction::triggered, this, &FormRename::ActRenUndoLast_Triggered);
    // The guidance lies over the frame's lower right corner and must stay readable.
    TextMes->raise();
}

void FormRename::createMethodButtons()
{
    OptRenSort = new QButtonGroup(this);
    OptRenSort->setObjectName(QStringLiteral("OptRenSort"));
    OptRenSort->setExclusive(true);
    for (int index = 0; index < MethodButtonCount; ++index) {
        const MethodFace &face = MethodFaces[static_cast<std::size_t>(index)];
        auto *button = new QPushButton(FrameOpt);
        button->setObjectName(QStringLiteral("OptRenSort"));
        button->setCheckable(true);
        button->setStyleSheet(ButtonStyle);
        button->setAcceptDrops(false);
        if (face.caption)
            button->setText(QString::fromUtf16(face.caption));
        if (face.picture) {
            button->setIcon(QIcon(QString::fromLatin1(face.picture)));
            button->setIconSize(QSize(MethodPicturePixels, MethodPicturePixels));
        }
        OptRenSort->addButton(button, index);
    }
    OptRenSort->button(UnusedMethod)->setEnabled(false);
    connect(OptRenSort, &QButtonGroup::idClicked, this, &FormRename::OptRenSort_Click);
}

void FormRename::applyLayout()
{
    for (const ControlPlace &place : ControlPlaces) {
        QWidget *control = place.index == NoIndex
                               ? findChild<QWidget *>(QString::fromLatin1(place.name))
                               : OptRenSort->button(place.index);
        Q_ASSERT(control);
        control->setGeometry(ui::twipsRect(place.left, place.top, place.width, place.height));
        if (place.tooltip)
            control->setToolTip(QString::fromUtf16(place.tooltip));
    }
}

void FormRename::applyTabOrder()
{
    std::vector<std::pair<int, QWidget *>> order;
    for (const ControlPlace &place : ControlPlaces) {
        QWidget *control = place.index == NoIndex
                               ? findChild<QWidget *>(QString::fromLatin1(place.name))
                               : OptRenSort->button(place.index);
        if (control->focusPolicy() & Qt::TabFocus)
            order.emplace_back(place.tabIndex, control);
    }
    std::sort(order.begin(), order.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
}

void FormRename::Form_Load()
{
    setWindowTitle(QStringLiteral("[Rename] Part of Sorvena v") + QString::fromUtf16(version::Number)
                   + QStringLiteral(" (") + QString::fromUtf16(version::ReleaseDate)
                   + QStringLiteral(")"));
    OptRenSort->button(renamer::Method::Auto)->setChecked(true);
    OptRenSort_Click(renamer::Method::Auto);
    RenMinWidth = width();
    RenMinHeight = height();
    RenBaseListWidth = ListViewFiles->width();
    RenBaseListHeight = ListViewFiles->height();
    setMinimumSize(RenMinWidth, RenMinHeight);
    setColumnWidths(RenBaseListWidth);
}

void FormRename::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The list and the folder box above it take whatever the window grows by; everything else
// keeps its place. The window system keeps the window at its opening size or larger, but
// a minimized window may report less, and the list never shrinks below its design size.
void FormRename::Form_Resize()
{
    if (RenMinWidth == 0)
        return;
    const int w = std::max(width(), RenMinWidth);
    const int h = std::max(height(), RenMinHeight);
    const int listWidth = w - RenMinWidth + RenBaseListWidth;
    const int listHeight = h - RenMinHeight + RenBaseListHeight;
    ListViewFiles->resize(listWidth, listHeight);
    TxtFolder->resize(listWidth, TxtFolder->height());
    setColumnWidths(listWidth);
}

// 40.5 %, 12 % and 40.5 % of the list's width; the rest stays free.
void FormRename::setColumnWidths(int listWidth)
{
    constexpr std::array<double, 3> Twentieths = {8.1, 2.4, 8.1};
    for (std::size_t column = 0; column < Twentieths.size(); ++column) {
        ListViewFiles->header()->resizeSection(static_cast<int>(column),
                                               qRound(listWidth / 20.0 * Twentieths[column]));
    }
}

// Only an activation that comes from another window of the program counts: coming back
// from another application, or from a message box, leaves the window as it was.
void FormRename::focusWindowChanged(QWindow *window)
{
    if (!window || window->type() != Qt::Window)
        return;
    const QWindow *previous = m_lastActiveForm.data();
    m_lastActiveForm = window;
    if (window == windowHandle() && previous != window)
        Form_Activate();
}

void FormRename::Form_Activate()
{
    // A run redraws the window when it ends; halfway through, the arrays are its own.
    if (m_run.running())
        return;
    ShowRenameList();
}

void FormRename::ShowRenameList()
{
    RenUpdating = true;
    FrameOpt->setEnabled(false);
    for (QPushButton *button : {CmdRenView, CmdRenGo, CmdRenGoBack})
        button->setEnabled(false);
    const RenameState state = m_core.RenState;
    const renamer::StateLook &look = renamer::lookOf(state);
    TextMes->setText(text(m_core.guidance()));
    ActRenUndoLast->setEnabled(m_core.lastRunCanBeUndone());
    // The disk and the list may disagree: everything but the exit stays unusable, and
    // the name boxes ignore changes until a new list is dropped. The focus leaves the
    // button that just became unusable for the one way on.
    if (state == RenameState::MustQuit) {
        CmdRenExit->setFocus();
        return;
    }
    FrameOpt->setEnabled(look.methodFrameUsable);
    CmdRenView->setEnabled(look.buildUsable);
    CmdRenGo->setEnabled(look.renameUsable && m_core.willRenameAny());
    CmdRenGoBack->setEnabled(look.undoUsable);
    if (QWidget *target = focusTarget(look.focus, CmdRenView, CmdRenGo, CmdRenGoBack))
        target->setFocus();
    if (look.methodFrameUsable) {
        if (QAbstractButton *method = OptRenSort->button(m_core.RenMethod))
            method->setChecked(true);
        showNameBoxes();
    }
    m_model->setRows(m_core.listRows());
    if (state != RenameState::NoFiles) {
        TxtFolder->setText(QString::fromStdU16String(m_core.folderText()));
        // A long path is more useful from its start than scrolled to its end.
        TxtFolder->setCursorPosition(0);
    }
    RenUpdating = false;
}

// The rows, and what depends on which rows will be renamed, without moving the focus: a
// row left out with the keyboard keeps the keyboard on the list.
void FormRename::showRows()
{
    m_model->setRows(m_core.listRows());
    CmdRenGo->setEnabled(renamer::lookOf(m_core.RenState).renameUsable && m_core.willRenameAny());
    TextMes->setText(text(m_core.guidance()));
}

void FormRename::showNameBoxes()
{
    const renamer::NameBoxesView view = m_core.nameBoxes();
    const std::array<std::pair<QLineEdit *, const renamer::NameBoxView *>, 3> boxes = {{
        {TxtFnameHead, &view.head},
        {TxtFnameNum, &view.number},
        {TxtFnameExt, &view.extension},
    }};
    for (const auto &[box, shown] : boxes)
        box->setText(QString::fromStdU16String(shown->text));
    for (const auto &[box, shown] : boxes)
        box->setEnabled(shown->usable);
    for (const auto &[box, shown] : boxes)
        paintBase(box, shown->usable ? UsableWhite : WindowBlue);
}

void FormRename::InvalidateRenameList()
{
    m_core.InvalidateRenameList();
    CmdRenGo->setEnabled(false);
    TextMes->setText(QString::fromUtf16(renamer::StaleGuidance));
}

void FormRename::CmdRenView_Click()
{
    // The button is the guard; a click queued before the state changed must not build a
    // proposal for a list that is gone.
    if (!renamer::lookOf(m_core.RenState).buildUsable)
        return;
    m_run.run([this] {
        m_core.ApplyRenameRule();
        ShowRenameList();
    });
}

void FormRename::CmdRenGo_Click()
{
    m_run.run([this] {
        m_core.runRename();
        showNumberText();
        ShowRenameList();
    });
}

void FormRename::CmdRenGoBack_Click()
{
    m_run.run([this] {
        m_core.runUndo();
        showNumberText();
        ShowRenameList();
    });
}

// The runs move the sequence counter on and back; the number box follows, also in
// CanUndo, where the redraw leaves the name boxes alone.
void FormRename::showNumberText()
{
    if (m_core.RenMethod != renamer::Method::Sequence)
        return;
    RenUpdating = true;
    TxtFnameNum->setText(QString::fromStdU16String(m_core.RenNumText));
    RenUpdating = false;
}

void FormRename::ActRenUndoLast_Triggered()
{
    if (!m_core.lastRunCanBeUndone())
        return;
    m_run.run([this] {
        m_core.undoLastRun();
        ShowRenameList();
    });
}

void FormRename::CmdRenExit_Click()
{
    m_ending = true;
    shell::endProgram(programWindowsInExitOrder());
}

QList<QWidget *> FormRename::programWindowsInExitOrder()
{
    QList<QWidget *> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (const char *name : OtherFormsInExitOrder) {
        const auto it = std::find_if(topLevels.begin(), topLevels.end(), [name](QWidget *w) {
            return w->objectName() == QLatin1String(name);
        });
        if (it != topLevels.end())
            windows.append(*it);
    }
    windows.append(this);
    return windows;
}

void FormRename::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_ending)
        return;
    // The close box hides the window as the main window's button does; when no other
    // window of the program is on screen, the program runs for this window alone and the
    // close box is its way out.
    const QList<QWidget *> windows = programWindowsInExitOrder();
    const bool othersShown = std::any_of(windows.begin(), windows.end(), [this](QWidget *w) {
        return w != this && w->isVisible();
    });
    if (!othersShown)
        CmdRenExit_Click();
}

void FormRename::OptRenSort_Click(int index)
{
    m_run.run([this, index] {
        m_core.selectMethod(index);
        ShowRenameList();
    });
}

void FormRename::TxtFnameHead_Change()
{
    nameBoxChanged(NameBox::Head, TxtFnameHead);
}

void FormRename::TxtFnameNum_Change()
{
    nameBoxChanged(NameBox::Number, TxtFnameNum);
}

void FormRename::TxtFnameExt_Change()
{
    nameBoxChanged(NameBox::Extension, TxtFnameExt);
}

// A typed change is stored in the setting the box feeds under the current method and
// makes a shown proposal stale; the proposal is worked out again only on request.
void FormRename::nameBoxChanged(NameBox box, const QLineEdit *edit)
{
    if (RenUpdating)
        return;
    m_core.nameBoxEdited(box, edit->text().toStdU16String());
    InvalidateRenameList();
}

bool FormRename::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListViewFiles && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        toggleCurrentRow(ListViewFiles->currentIndex().row());
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched)) {
            // Selecting at once would be undone by the mouse press that gave the focus.
            QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool FormRename::isDropTarget(const QPoint &position) const
{
    const QWidget *widget = childAt(position);
    while (widget && widget->parentWidget() != this)
        widget = widget->parentWidget();
    return widget && (widget == ListViewFiles || widget == TxtFolder);
}

// Decided afresh wherever the drag is: over the list or the folder box, files are taken
// as a copy or a link, never as a move, since the source must not delete anything
// because of the drop.
bool FormRename::decideDrag(QDropEvent *event) const
{
    const Qt::DropAction action = shell::copyOrLinkAction(event->possibleActions());
    if (m_run.running() || action == Qt::IgnoreAction || !event->mimeData()->hasUrls()
        || !isDropTarget(event->position().toPoint())) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return false;
    }
    event->setDropAction(action);
    event->accept();
    return true;
}

void FormRename::dragEnterEvent(QDragEnterEvent *event)
{
    // Taken wherever it enters, so that the moves that follow are seen and each decides
    // for its own spot.
    const Qt::DropAction action = shell::copyOrLinkAction(event->possibleActions());
    if (m_run.running() || action == Qt::IgnoreAction || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void FormRename::dragMoveEvent(QDragMoveEvent *event)
{
    decideDrag(event);
}

void FormRename::dropEvent(QDropEvent *event)
{
    if (!decideDrag(event))
        return;
    m_run.run([this, event] { MakeRenameList(event->mimeData()); });
}

void FormRename::MakeRenameList(const QMimeData *data)
{
    const shell::DroppedItems dropped = shell::droppedItems(data);
    m_core.MakeRenameList(dropped.files, TxtFnameHead->text().toStdU16String(),
                          TxtFnameNum->text().toStdU16String(), TxtFnameExt->text().toStdU16String(),
                          dropped.leftOut);
    // A refused drop leaves the screen as it was until the next redraw.
    if (m_core.RenState != RenameState::NoFiles)
        ShowRenameList();
}

void FormRename::takeCommandLine(const std::vector<std::u16string> &paths)
{
    takeFiles(paths, true);
}

// Every way in ends where a drop does; folders named as such stand for their files.
void FormRename::takeFiles(const std::vector<std::u16string> &paths, bool expandFolders)
{
    if (m_run.running())
        return;
    m_run.run([this, &paths, expandFolders] {
        const std::u16string head = TxtFnameHead->text().toStdU16String();
        const std::u16string number = TxtFnameNum->text().toStdU16String();
        const std::u16string ext = TxtFnameExt->text().toStdU16String();
        if (expandFolders)
            m_core.MakeRenameListOfFolders(paths, head, number, ext);
        else
            m_core.MakeRenameList(paths, head, number, ext);
        if (m_core.RenState != RenameState::NoFiles)
            ShowRenameList();
    });
}

void FormRename::takeChosen(const QStringList &chosen, bool expandFolders)
{
    const std::optional<std::vector<std::u16string>> paths = shell::chosenPaths(chosen);
    if (!paths) {
        shell::showMessage(this, QString::fromUtf16(renamer::Messages::IllegalPathFormat1) + QString::fromUtf16(UnsureNameCause));
        return;
    }
    takeFiles(*paths, expandFolders);
}

void FormRename::myAddFiles()
{
    openFileDialog("AddFilesDialog", false);
}

void FormRename::myAddFolder()
{
    openFileDialog("AddFolderDialog", true);
}

// Not modal, as a drop is not: the window keeps serving while the dialog is open.
void FormRename::openFileDialog(const char *name, bool folder)
{
    if (m_run.running())
        return;
    auto *dialog = new QFileDialog(this, QString::fromUtf16(folder ? AddFolderCaption : AddFilesCaption),
                                   QString::fromStdU16String(m_core.RenDrive + m_core.RenFolder));
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(folder ? QFileDialog::Directory : QFileDialog::ExistingFiles);
    if (folder)
        dialog->setOption(QFileDialog::ShowDirsOnly);
    connect(dialog, &QFileDialog::filesSelected, this,
            [this, folder](const QStringList &chosen) { takeChosen(chosen, folder); });
    dialog->open();
}

void FormRename::showContextMenu(QWidget *on, const QPoint &position)
{
    if (m_run.running())
        return;
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ListMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *files = menu->addAction(QString::fromUtf16(AddFilesText), this, &FormRename::myAddFiles);
    files->setObjectName(QStringLiteral("ActionAddFiles"));
    QAction *folder = menu->addAction(QString::fromUtf16(AddFolderText), this, &FormRename::myAddFolder);
    folder->setObjectName(QStringLiteral("ActionAddFolder"));
    // The list's menu also offers the undo of a run finished before a restart, while it can
    // be made.
    if (on == ListViewFiles) {
        menu->addSeparator();
        menu->addAction(ActRenUndoLast);
    }
    const QWidget *origin = on == ListViewFiles ? ListViewFiles->viewport() : on;
    menu->popup(origin->mapToGlobal(position));
}

void FormRename::ListViewFiles_DoubleClick(const QModelIndex &index)
{
    toggleCurrentRow(index.row());
}

void FormRename::toggleCurrentRow(int row)
{
    if (m_run.running() || !m_core.toggleKept(row))
        return;
    showRows();
}
