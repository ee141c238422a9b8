#include "main_window/form_main.h"

#include "about/form_about.h"
#include "dictionary/form_ext_dic.h"
#include "main_window/clickable_image.h"
#include "main_window/sub_form_place.h"
#include "rename/form_rename.h"
#include "shell/cmdline.h"
#include "shell/dropped_files.h"
#include "shell/module1.h"
#include "shell/seams.h"
#include "shell/ui_controls.h"
#include "shell/start_options.h"
#include "shell/ui_fonts.h"
#include "shell/ui_units.h"
#include "shell/version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QIcon>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include <array>
#include <string_view>

namespace {

using ui::ControlPlace;

constexpr std::array<ControlPlace, 16> ControlPlaces = {{
    {"TextDir", 120, 120, 5775, 375, u"ディレクトリのパス"},
    {"TextOldName", 120, 660, 2415, 375, u"元のファイル名"},
    {"TextNewName", 3480, 660, 2415, 375, u"本来のファイル名"},
    {"TextDesc", 120, 1200, 5775, 375, u"ファイルタイプの説明"},
    {"WhatExtText", 960, 1770, 1095, 435, u"拡張子を入れて「説明」を押す"},
    {"ArrowQuestion", 2640, 600, 720, 480, nullptr},
    {"ArrowCannot", 2640, 600, 720, 480, u"ファイル種別不明"},
    {"ArrowSame", 2640, 600, 720, 480, u"拡張子は正しい"},
    {"ArrowRight", 2640, 600, 720, 480, u"拡張子を変更する"},
    {"ArrowLeft", 2640, 600, 720, 480, u"拡張子を元に戻す"},
    {"CmdAbout", 120, 1680, 615, 615, u"アバウト表示"},
    {"CmdExtDic", 2160, 1680, 855, 615, u"拡張子辞書"},
    {"CmdRenameDlg", 3120, 1680, 975, 615, u"ファイル名変更"},
    {"CmdExec", 4200, 1680, 975, 615, u"実行"},
    {"CmdExit", 5280, 1680, 615, 615, u"終了"},
    {"CmdExtention", 720, 2115, 75, 180, u"拡張子の検索"},
}};

// The description box's own tooltip, which a notice replaces while it is shown.
constexpr const char16_t *descriptionTooltip()
{
    for (const ControlPlace &place : ControlPlaces) {
        if (std::string_view(place.name) == "TextDesc")
            return place.tooltip;
    }
    return u"";
}

// Where a file goes in, shown in the empty folder box until the first check.
constexpr char16_t DropHint[] = u"ここにファイルをドロップ（Ctrl+O で選択）";
constexpr char16_t OpenCaption[] = u"調べるファイルを選ぶ";

constexpr int ClientWidthTwips = 5985;
constexpr int ClientHeightTwips = 2370;
constexpr int StartPositionTwips = 200;

const QColor WindowGreen(0xC0, 0xFF, 0xC0);
const QColor MarkYellow(0xFF, 0xFF, 0xC0);

const QString ButtonStyle = QStringLiteral(
    "QPushButton { background: #C0FFC0; border: 1px solid #7FBF7F; border-radius: 4px; }"
    "QPushButton:hover { background: #D8FFD8; }"
    "QPushButton:pressed { background: #A0E8A0; }"
    "QPushButton:disabled { border-color: #A8CFA8; }");

QPushButton *makePictureButton(QWidget *parent, const char *name, const QString &picture,
                               const QString &disabledPicture = QString())
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    if (!picture.isEmpty())
        button->setIcon(ui::buttonPicture(picture, disabledPicture));
    button->setStyleSheet(ButtonStyle);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAcceptDrops(false);
    return button;
}

ClickableImage *makeImage(QWidget *parent, const char *name, const QString &picture)
{
    auto *image = new ClickableImage(picture, parent);
    image->setObjectName(QString::fromLatin1(name));
    image->hide();
    return image;
}

} // namespace

FormMain::FormMain(engine::Engine &engine, QWidget *parent)
    : QWidget(parent), m_engine(engine), m_core(engine)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowIcon(QIcon(QStringLiteral(":/app_icon.svg")));
    ui::paintBackground(this, WindowGreen);
    setAcceptDrops(true);
    setFixedSize(ui::twips(ClientWidthTwips), ui::twips(ClientHeightTwips));
    createControls();
    applyLayout();
}

// The secondary windows stand on their own on the desktop, so they are no children of
// this one and go with it explicitly.
FormMain::~FormMain()
{
    for (const QPointer<QWidget> &form : {m_formAbout, m_formExtDic, m_formRename})
        delete form.data();
}

void FormMain::createControls()
{
    const QFont resultFont = ui::gothicFont(11.25, false);
    TextDir = ui::makeBox(this, "TextDir", true, resultFont);
    TextOldName = ui::makeBox(this, "TextOldName", true, resultFont);
    TextNewName = ui::makeBox(this, "TextNewName", true, resultFont);
    TextDesc = ui::makeBox(this, "TextDesc", true, resultFont);
    TextDesc->setPlaceholderText(QString::fromUtf16(mainwin::Labels::Desc));
    WhatExtText = ui::makeBox(this, "WhatExtText", false, ui::gothicFont(14.25, true));
    WhatExtText->setPlaceholderText(QString::fromUtf16(mainwin::Labels::Ext));
    WhatExtText->installEventFilter(this);

    ArrowQuestion = makeImage(this, "ArrowQuestion", QStringLiteral(":/arrow_question.svg"));
    ArrowCannot = makeImage(this, "ArrowCannot", QStringLiteral(":/arrow_cannot.svg"));
    ArrowSame = makeImage(this, "ArrowSame", QStringLiteral(":/arrow_same.svg"));
    ArrowRight = makeImage(this, "ArrowRight", QStringLiteral(":/arrow_right.svg"));
    ArrowLeft = makeImage(this, "ArrowLeft", QStringLiteral(":/arrow_left.svg"));
    ArrowRight->setCursor(Qt::PointingHandCursor);
    ArrowLeft->setCursor(Qt::PointingHandCursor);
    connect(ArrowRight, &ClickableImage::clicked, this, &FormMain::myToggleName);
    connect(ArrowLeft, &ClickableImage::clicked, this, &FormMain::myToggleName);

    CmdAbout = makePictureButton(this, "CmdAbout", QStringLiteral(":/cmd_about.svg"));
    CmdExtDic = makePictureButton(this, "CmdExtDic", QStringLiteral(":/cmd_ext_dic.svg"));
    CmdRenameDlg = makePictureButton(this, "CmdRenameDlg", QStringLiteral(":/cmd_rename_dlg.svg"));
    CmdExec = makePictureButton(this, "CmdExec", QStringLiteral(":/cmd_exec.svg"),
                                QStringLiteral(":/cmd_exec_disabled.svg"));
    CmdExit = makePictureButton(this, "CmdExit", QStringLiteral(":/cmd_exit.svg"));
    CmdExtention = makePictureButton(this, "CmdExtention", QString());

    connect(CmdAbout, &QPushButton::clicked, this, &FormMain::CmdAbout_Click);
    connect(CmdExec, &QPushButton::clicked, this, &FormMain::CmdExec_Click);
    connect(CmdExit, &QPushButton::clicked, this, &FormMain::CmdExit_Click);
    connect(CmdExtDic, &QPushButton::clicked, this, &FormMain::CmdExtDic_Click);
    connect(CmdExtention, &QPushButton::clicked, this, &FormMain::CmdExtention_Click);
    connect(CmdRenameDlg, &QPushButton::clicked, this, &FormMain::CmdRenameDlg_Click);
    connect(WhatExtText, &QLineEdit::returnPressed, this, &FormMain::CmdExtention_Click);
    auto *open = new QShortcut(QKeySequence::Open, this);
    open->setObjectName(QStringLiteral("ShortcutOpen"));
    connect(open, &QShortcut::activated, this, &FormMain::myOpenFile);
}

void FormMain::applyLayout()
{
    ui::placeControls(this, ControlPlaces);
}

void FormMain::Form_Load(const std::vector<std::u16string> &words, const std::u16string &programName)
{
    setWindowTitle(QStringLiteral("[Sorvena] Quenbrook v") + QString::fromUtf16(version::Number));
    Module1::mySetPath();
    m_core.myClear();
    myShowResult();
    move(ui::twips(StartPositionTwips), ui::twips(StartPositionTwips));
    cmdline::setArgs(words);
    m_core.StartMode = 0;
    const std::vector<std::u16string> given(cmdline::ArgList.begin() + 1,
                                            cmdline::ArgList.begin() + 1 + cmdline::ArgCount);
    switch (startopt::chooseStart(given, programName)) {
    case startopt::Start::CheckPath:
        myCheckPath(platform::fullPathOf(cmdline::ArgList[1]));
        break;
    case startopt::Start::MainOnly:
        break;
    case startopt::Start::About:
        CmdAbout_Click();
        break;
    case startopt::Start::Dictionary:
        CmdExtDic_Click();
        break;
    case startopt::Start::RenameAlone:
        // The main window is never shown in this mode; whoever shows the start-up
        // window asks StartMode first.
        m_core.StartMode = 1;
        hide();
        CmdRenameDlg_Click();
        takeRenameWords(words);
        break;
    }
}

// Every word after the option, not only the ten the start-up keeps, is a file or a
// folder for the renamer's list.
void FormMain::takeRenameWords(const std::vector<std::u16string> &words)
{
    std::vector<std::u16string> paths;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!words[i].empty())
            paths.push_back(platform::fullPathOf(words[i]));
    }
    if (auto *rename = qobject_cast<FormRename *>(m_formRename.data()); rename && !paths.empty())
        rename->takeCommandLine(paths);
}

void FormMain::myCheckPath(const std::u16string &path)
{
    m_core.myCheckPath(path);
    myShowResult();
}

// Not modal: the window keeps serving while the dialog is open, as it does for drops.
void FormMain::myOpenFile()
{
    auto *dialog = new QFileDialog(this, QString::fromUtf16(OpenCaption), QString::fromStdU16String(m_core.FileDir));
    dialog->setObjectName(QStringLiteral("OpenFileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &FormMain::checkChosenFile);
    dialog->open();
}

void FormMain::checkChosenFile(const QString &path)
{
    const std::optional<std::vector<std::u16string>> chosen = shell::chosenPaths({path});
    if (chosen)
        m_core.myCheckPath(chosen->front());
    else
        m_core.refuseChosenName();
    myShowResult();
}

void FormMain::myShowResult()
{
    const mainwin::ResultView view = m_core.resultView();
    TextDir->setText(QString::fromStdU16String(view.dir));
    TextOldName->setText(QString::fromStdU16String(view.oldName));
    TextNewName->setText(QString::fromStdU16String(view.newName));
    WhatExtText->setText(QString::fromStdU16String(view.ext));
    TextDesc->setText(QString::fromStdU16String(view.desc));
    TextDir->setPlaceholderText(m_core.CheckState == mainwin::State::Cleared && m_core.Notice.empty()
                                    ? QString::fromUtf16(DropHint)
                                    : QString());
    TextDesc->setToolTip(view.descTooltip.empty() ? QString::fromUtf16(descriptionTooltip())
                                                  : QString::fromStdU16String(view.descTooltip));
    // Long paths are more useful from their start, not scrolled to their end.
    for (QLineEdit *box : {TextDir, TextOldName, TextNewName, TextDesc})
        box->setCursorPosition(0);
    CmdExec->setEnabled(view.execEnabled);
    showArrow(view.arrow);
    markNameBoxes(view.colours);
}

void FormMain::showArrow(mainwin::ArrowImage arrow)
{
    const std::array<std::pair<mainwin::ArrowImage, ClickableImage *>, 5> images = {{
        {mainwin::ArrowImage::Question, ArrowQuestion},
        {mainwin::ArrowImage::Cannot, ArrowCannot},
        {mainwin::ArrowImage::Same, ArrowSame},
        {mainwin::ArrowImage::Right, ArrowRight},
        {mainwin::ArrowImage::Left, ArrowLeft},
    }};
    for (const auto &[kind, image] : images)
        image->setVisible(kind == arrow);
}

void FormMain::markNameBoxes(mainwin::NameColours colours)
{
    if (colours == mainwin::NameColours::Unchanged)
        return;
    const QColor plain = QApplication::palette().color(QPalette::Base);
    const bool oldMarked = colours == mainwin::NameColours::OldNameMarked;
    for (auto [box, marked] : {std::pair{TextOldName, oldMarked}, std::pair{TextNewName, !oldMarked}}) {
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, marked ? MarkYellow : plain);
        box->setPalette(pal);
    }
}

void FormMain::myShowLabels()
{
    TextDir->setText(QString::fromUtf16(mainwin::Labels::Dir));
    TextOldName->setText(QString::fromUtf16(mainwin::Labels::OldName));
    TextNewName->setText(QString::fromUtf16(mainwin::Labels::NewName));
    WhatExtText->setText(QString::fromUtf16(mainwin::Labels::Ext));
    TextDesc->setText(QString::fromUtf16(mainwin::Labels::Desc));
    TextDesc->setToolTip(QString::fromUtf16(descriptionTooltip()));
    CmdExec->setEnabled(false);
    showArrow(mainwin::ArrowImage::Question);
}

void FormMain::myHideSubForms()
{
    for (const QPointer<QWidget> &form : {m_formAbout, m_formExtDic, m_formRename}) {
        if (form && form->isVisible())
            form->hide();
    }
    myShowResult();
}

// Placed by outer rectangles. A window never shown has no frame yet; it will get the same
// decoration as this one. A window keeps its own height; one of fixed width takes the
// main window's width all the same.
void FormMain::placeSubForm(QWidget *form, bool inMainPlace) const
{
    QSize frameExtra = form->frameGeometry().size() - form->size();
    if (frameExtra.isNull())
        frameExtra = frameGeometry().size() - size();
    const QRect outer = mainwin::subFormPlace(frameGeometry(), form->frameGeometry(), inMainPlace);
    const QSize inner = outer.size() - frameExtra;
    if (form->minimumWidth() == form->maximumWidth())
        form->setFixedWidth(inner.width());
    form->resize(inner);
    form->move(outer.topLeft());
}

void FormMain::CmdExtDic_Click()
{
    if (m_formExtDic && m_formExtDic->isVisible()) {
        myHideSubForms();
        return;
    }
    myHideSubForms();
    if (!m_formExtDic)
        m_formExtDic = new FormExtDic(this);
    auto *dictionary = static_cast<FormExtDic *>(m_formExtDic.data());
    placeSubForm(dictionary, false);
    dictionary->show();
    dictionary->findOnOpening(WhatExtText->text());
}

void FormMain::CmdAbout_Click()
{
    if (m_formAbout && m_formAbout->isVisible()) {
        myHideSubForms();
        return;
    }
    myHideSubForms();
    if (!m_formAbout)
        m_formAbout = new FormAbout(this);
    placeSubForm(m_formAbout, false);
    m_formAbout->show();
    myShowLabels();
}

void FormMain::myToggleName()
{
    m_core.myToggleName();
    myShowResult();
}

void FormMain::CmdExec_Click()
{
    // The button is the guard, but a click queued before the state changed must not
    // open anything the state no longer allows.
    if (!m_core.resultView().execEnabled)
        return;
    shell::openWithShell(m_core.FileDir, m_core.NewName);
}

void FormMain::CmdExit_Click()
{
    m_ending = true;
    shell::endProgram({m_formAbout, m_formExtDic, m_formRename, this});
}

void FormMain::CmdExtention_Click()
{
    const std::optional<std::u16string> shown = m_core.searchStep(WhatExtText->text().toStdU16String());
    if (shown)
        TextDesc->setText(QString::fromStdU16String(*shown));
}

void FormMain::CmdRenameDlg_Click()
{
    if (m_formRename && m_formRename->isVisible()) {
        myHideSubForms();
        return;
    }
    myHideSubForms();
    auto *rename = qobject_cast<FormRename *>(m_formRename.data());
    if (!rename) {
        rename = new FormRename(m_engine);
        m_formRename = rename;
    }
    placeSubForm(rename, m_core.StartMode == 1);
    rename->show();
    rename->setRenNewExt(WhatExtText->text().toStdU16String());
}

void FormMain::closeEvent(QCloseEvent *event)
{
    // The close box ends the program as the exit button does; the exit itself closes
    // this window again, which must then simply be let through.
    if (!m_ending)
        CmdExit_Click();
    event->accept();
}

bool FormMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == WhatExtText && event->type() == QEvent::FocusIn) {
        // Selecting at once would be undone by the mouse press that gave the focus.
        QMetaObject::invokeMethod(WhatExtText, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

QString FormMain::firstDroppedFile(const QMimeData *data)
{
    const std::vector<std::u16string> files = shell::droppedFiles(data);
    return files.empty() ? QString() : QString::fromStdU16String(files.front());
}

bool FormMain::isDropTarget(const QWidget *widget) const
{
    while (widget && widget->parentWidget() != this && widget != this)
        widget = widget->parentWidget();
    return !widget || widget == this || widget == TextDir || widget == TextOldName ||
           widget == TextNewName || widget == TextDesc || widget == ArrowQuestion || widget == ArrowCannot ||
           widget == ArrowSame || widget == ArrowRight || widget == ArrowLeft;
}

// The window takes a drag as a whole whenever it carries a file it could take; where the
// file may fall is decided at every move and at the drop, so a drag that enters over a
// button is still taken when it is released over a result box.
void FormMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (shell::copyOrLinkAction(event->possibleActions()) != Qt::IgnoreAction
        && !firstDroppedFile(event->mimeData()).isEmpty()) {
        event->setDropAction(shell::copyOrLinkAction(event->possibleActions()));
        event->accept();
    } else {
        event->ignore();
    }
}

void FormMain::dragMoveEvent(QDragMoveEvent *event)
{
    answerDrag(event);
}

void FormMain::dropEvent(QDropEvent *event)
{
    if (answerDrag(event))
        myCheckPath(firstDroppedFile(event->mimeData()).toStdU16String());
}

// The window only reads the file, so it answers copy or link and never a move: a source
// that honours a move would delete its original after the drop.
bool FormMain::answerDrag(QDropEvent *event)
{
    const Qt::DropAction action = shell::copyOrLinkAction(event->possibleActions());
    if (action == Qt::IgnoreAction || !isDropTarget(childAt(event->position().toPoint()))
        || firstDroppedFile(event->mimeData()).isEmpty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(action);
    event->accept();
    return true;
}
