// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/widgets/controls.h"
#include "platform/widgets/dialogs.h"
#include "platform/widgets/forms.h"
#include "platform/widgets/numbertext.h"
#include "platform/files/lockfile.h"
#include "platform/files/playfolder.h"
#include "platform/runtime/rnd.h"
#include "platform/runtime/runtimeerror.h"
#include "testkit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using namespace platform;

namespace {

// A small window with one of each thing the game's windows use.
class ProbeForm : public Form
{
public:
    ProbeForm(QMdiArea *area, QObject *parent, bool closeBox, QString buttonCaption = u"&Roll 1"_s)
        : Form(area, {u"Probe"_s, QSize(3000, 1500), closeBox}, parent)
        , buttonCaption_(std::move(buttonCaption))
    {
    }

    int loads = 0;
    int clicks = 0;
    QString remembered; // a window-level variable: outlives Unload
    QPointer<Label> label;
    QPointer<CommandButton> button;

protected:
    void createControls(QWidget *client) override
    {
        label = new Label(client, TwipsRect(120, 120, 1500, 255));
        button = new CommandButton(client, TwipsRect(120, 600, 975, 375), buttonCaption_);
        QObject::connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
    }
    void Form_Load() override
    {
        ++loads;
        // Form_Load runs before the window shows.
        shownDuringLoad = window()->isVisible();
    }

public:
    bool shownDuringLoad = true;

private:
    QString buttonCaption_;
};

// Answers the next real modal dialog by pressing the button with this text,
// or rejects it if the test never gets that far.
void answerNextDialog(const QString &buttonText, const QString &typed = {})
{
    QTimer::singleShot(0, [=] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog) {
            answerNextDialog(buttonText, typed);
            return;
        }
        if (auto *edit = dialog->findChild<QLineEdit *>())
            edit->setText(typed);
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text().remove(u'&') == buttonText) {
                button->click();
                return;
            }
        }
        static_cast<QDialog *>(dialog)->reject();
    });
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(u"Pipstack"_s);
        SetUpApplication();
    }
    void init();
    void cleanup();

    void captionsConvertAsTheRuntimeDoes();

    void scriptedDialogsSeeTheDefaultTitle();
    void realMessageBoxReturnsOkOrCancel();
    void realInputBoxReturnsTypedTextOrEmptyOnCancel();

    void loadRunsFormLoadOnceThenShows();
    void unloadDropsControlsButKeepsVariables();
    void propertiesLoadTheWindowAndMeasureInTwips();
    void closeBoxUnloadsOnlyWhereThereIsOne();
    void labelsCarryColourAndClicks();
    void coloursReadAndStayApartOnEveryBackground();
    void picturesComeFromTheWorkingDirectory();
    void playFolderIsBesideAPortableGameElseThePlayers();
    void lockTriesAgainAfterEachPauseUntilItsWaitRunsOut();
    void accessKeysActOnlyInTheActiveWindow();
    void timerTicksUntilSwitchedOff();
    void frameComingBackActivatesAChild();
    void newWindowsStayInsideTheFrame();

private:
    QMainWindow *frame_ = nullptr;
    QMdiArea *area_ = nullptr;
};

void TestPlatform::init()
{
    frame_ = new QMainWindow;
    area_ = new QMdiArea(frame_);
    frame_->setCentralWidget(area_);
    frame_->resize(800, 600);
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_));
}

void TestPlatform::cleanup()
{
    delete frame_;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    ClearRndQueue();
}

void TestPlatform::captionsConvertAsTheRuntimeDoes()
{
    // tst_runtime has the rules; here only that a QString gets to them whole.
    QCOMPARE(int(CInt(u" 2.5\t"_s)), 2);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, CInt(u"3é"_s));
}

void TestPlatform::scriptedDialogsSeeTheDefaultTitle()
{
    testkit::ScriptedDialogs dialogs;
    dialogs.messageAnswers = {vbCancel};
    dialogs.inputAnswers = {u"typed"_s};
    QCOMPARE(MsgBox(u"Sure?"_s, vbOKCancel | vbExclamation, u"WARNING"_s), int(vbCancel));
    QCOMPARE(MsgBox(u"Hello"_s), int(vbOK));
    QCOMPARE(InputBox(u"Name?"_s), u"typed"_s);
    QCOMPARE(InputBox(u"Name?"_s), QString());
    QCOMPARE(dialogs.calls.size(), 4);
    QCOMPARE(dialogs.calls[0].title, u"WARNING"_s);
    QCOMPARE(dialogs.calls[0].style, 49);
    QCOMPARE(dialogs.calls[1].title, u"Pipstack"_s);
    QCOMPARE(dialogs.calls[1].style, 0);
    QCOMPARE(dialogs.calls[2].title, u"Pipstack"_s);
}

void TestPlatform::realMessageBoxReturnsOkOrCancel()
{
    answerNextDialog(u"OK"_s);
    QCOMPARE(MsgBox(u"Plain"_s), int(vbOK));

    // Style 49: OK and Cancel with the exclamation icon.
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), u"WARNING"_s);
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    });
    answerNextDialog(u"Cancel"_s);
    QCOMPARE(MsgBox(u"Do you really want to?"_s, vbOKCancel | vbExclamation, u"WARNING"_s), int(vbCancel));
}

void TestPlatform::realInputBoxReturnsTypedTextOrEmptyOnCancel()
{
    answerNextDialog(u"OK"_s, u" 3 "_s);
    QCOMPARE(InputBox(u"How many?"_s, u"Question"_s), u" 3 "_s);
    answerNextDialog(u"Cancel"_s, u"ignored"_s);
    QCOMPARE(InputBox(u"How many?"_s), QString());
}

void TestPlatform::loadRunsFormLoadOnceThenShows()
{
    ProbeForm form(area_, nullptr, true);
    QVERIFY(!form.IsLoaded());
    form.Load();
    QVERIFY(form.IsLoaded());
    QCOMPARE(form.loads, 1);
    QVERIFY(!form.shownDuringLoad);
    QVERIFY(form.Visible());
    QCOMPARE(area_->subWindowList().size(), 1);
    QCOMPARE(form.window()->windowTitle(), u"Probe"_s);

    form.Load(); // loading a loaded window does nothing
    QCOMPARE(form.loads, 1);
    QCOMPARE(area_->subWindowList().size(), 1);
}

void TestPlatform::unloadDropsControlsButKeepsVariables()
{
    ProbeForm form(area_, nullptr, true);
    form.Load();
    form.label->setCaption(u"changed"_s);
    form.setTag(u"7"_s);
    form.remembered = u"kept"_s;
    QPointer<Label> oldLabel = form.label;

    form.Unload();
    QVERIFY(!form.IsLoaded());
    QVERIFY(area_->subWindowList().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldLabel.isNull());

    form.Load();
    QCOMPARE(form.loads, 2);
    QCOMPARE(form.remembered, u"kept"_s);
    QCOMPARE(form.label->Caption(), QString()); // controls start from scratch
    QCOMPARE(form.Tag(), QString());
}

void TestPlatform::propertiesLoadTheWindowAndMeasureInTwips()
{
    ProbeForm form(area_, nullptr, false);
    form.setTag(u"3"_s); // touching a property loads the window
    QVERIFY(form.IsLoaded());
    QCOMPARE(form.loads, 1);
    QCOMPARE(form.Tag(), u"3"_s);

    // The design's client area plus the style's frame.
    const QSize client = form.client()->size();
    QCOMPARE(client, QSize(200, 100));
    QVERIFY(form.Width() > 3000 && form.Height() > 1500);

    form.setWidth(5400);
    form.setHeight(6600);
    QCOMPARE(form.Width(), 5400);
    QCOMPARE(form.Height(), 6600);
    QCOMPARE(form.window()->size(), QSize(360, 440));
    form.setCaption(u"Player 3"_s);
    QCOMPARE(form.Caption(), u"Player 3"_s);
    form.Hide();
    QVERIFY(!form.Visible());
    form.Show();
    QVERIFY(form.Visible());

    // In a larger font every measure grows, and twips read back as set.
    QFont wider = QApplication::font();
    wider.setPointSizeF(wider.pointSizeF() * 1.3);
    const double scale = LayoutScaleFor(wider);
    QVERIFY(scale >= 1.25 && scale <= 1.5);
    wider.setPointSizeF(5);
    QCOMPARE(LayoutScaleFor(wider), 1.0);
    SetLayoutScale(scale);
    const auto restore = qScopeGuard([] { SetLayoutScale(1); });
    ProbeForm grown(area_, nullptr, false);
    grown.Load();
    const auto px = [scale](int pixels) { return qRound(pixels * scale); };
    QCOMPARE(grown.client()->size(), QSize(px(200), px(100)));
    QCOMPARE(grown.label->geometry(), QRect(px(8), px(8), px(100), px(17)));
    grown.setWidth(5400);
    QCOMPARE(grown.Width(), 5400);
    QCOMPARE(grown.window()->width(), px(360));
}

void TestPlatform::closeBoxUnloadsOnlyWhereThereIsOne()
{
    ProbeForm closable(area_, nullptr, true);
    ProbeForm fixed(area_, nullptr, false);
    closable.Load();
    fixed.Load();
    QVERIFY(fixed.window()->windowFlags().testFlag(Qt::WindowCloseButtonHint) == false);

    closable.window()->close();
    QVERIFY(!closable.IsLoaded());

    fixed.window()->close(); // e.g. a key that closes the active sub-window
    QVERIFY(fixed.IsLoaded());
    QVERIFY(fixed.Visible());
}

void TestPlatform::labelsCarryColourAndClicks()
{
    ProbeForm form(area_, nullptr, true);
    form.Load();
    Label *label = form.label;
    label->setForeColor(vbRed);
    QCOMPARE(label->ForeColor(), vbRed);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    label->setForeColor(0x00FF8000); // blue 255, green 128
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 128, 255));
    label->setForeColor(vbBlack);
    QCOMPARE(label->ForeColor(), vbBlack);

    // The focus shows: as a selected row on a label that only the arrow
    // keys reach, as a dashed frame on one the player can click.
    label->setCaption(u"Bob"_s);
    const QPalette &around = form.client()->palette();
    const auto rightEnd = [label] {
        return label->grab().toImage().pixelColor(label->width() - 6, label->height() / 2);
    };
    QCOMPARE(rightEnd(), around.color(QPalette::Window));
    label->setFocus();
    QTRY_VERIFY(label->hasFocus());
    QCOMPARE(rightEnd(), around.color(QPalette::Highlight));
    label->setClickable(true);
    QCOMPARE(rightEnd(), around.color(QPalette::Window));
    QVERIFY(label->grab().toImage().pixelColor(label->width() - 3, label->height() / 2) != around.color(QPalette::Window));
    label->clearFocus();

    QSignalSpy clicks(label, &Label::Click);
    testkit::click(label);
    QCOMPARE(clicks.size(), 1);
    // A press that ends outside the label is no click.
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(clicks.size(), 1);
}

// Every grey, and the window colours of some real themes and some that no
// theme should have: a red caption must stay plainly red, readable and apart
// from a black one; a black caption reads at 7 to 1 wherever any colour can.
void TestPlatform::coloursReadAndStayApartOnEveryBackground()
{
    QList<QColor> backgrounds;
    for (int grey = 0; grey <= 255; ++grey)
        backgrounds << QColor(grey, grey, grey);
    for (const char *name : {"#eff0f1", "#31363b", "#2a2e32", "#fafafa", "#f6f5f4", "#353535", "#242424",
                             "#ffffe1", "#000080", "#800000", "#008080", "#ff0000", "#00ff00", "#0000ff",
                             "#ffff00", "#ff00ff", "#804000", "#3daee9"})
        backgrounds << QColor(QLatin1StringView(name));
    const auto redness = [](const QColor &c) { return c.red() - std::max(c.green(), c.blue()); };
    for (const QColor &background : backgrounds) {
        const bool darkTheme = ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background);
        QPalette palette;
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, darkTheme ? QColor(0xee, 0xee, 0xec) : QColor(0x23, 0x26, 0x29));
        const QColor red = shownColour(vbRed, palette), black = shownColour(vbBlack, palette);
        const double best = std::max(ContrastRatio(Qt::white, background), ContrastRatio(Qt::black, background));
        const QString where = background.name() + u": red "_s + red.name() + u", black "_s + black.name();
        QVERIFY2(ContrastRatio(black, background) >= std::min(7.0, best), qPrintable(where));
        QVERIFY2(ContrastRatio(red, background) >= 3.0, qPrintable(where));
        // On plain light and dark themes red reaches its own ratio.
        if (best >= 10)
            QVERIFY2(ContrastRatio(red, background) >= 5.0, qPrintable(where));
        QVERIFY2(red.hsvHue() <= 10 || red.hsvHue() >= 350, qPrintable(where));
        QVERIFY2(redness(red) >= 64 && redness(red) - redness(black) >= 64, qPrintable(where));
    }
    // A colour that reads already is left as it is; one that cannot is taken
    // all the way to black or white.
    QCOMPARE(legible(QColor(0, 0, 255), Qt::white, 7), QColor(0, 0, 255));
    QCOMPARE(legible(QColor(0x80, 0x80, 0x80), QColor(0x77, 0x77, 0x77), 7), QColor(Qt::black));
}

void TestPlatform::picturesComeFromTheWorkingDirectory()
{
    testkit::WorkDir dir;
    QImage image(33, 33, QImage::Format_RGB32);
    image.fill(Qt::white);
    QVERIFY(image.save(dir.path() + u"/Face.bmp"_s));

    const QPixmap picture = LoadPicture(u"Face.bmp"_s);
    QCOMPARE(picture.size(), QSize(33, 33));
    QVERIFY(LoadPicture(u"Missing.bmp"_s).isNull());
    // Only the name asked for counts, not one that merely starts with it.
    QVERIFY(image.save(dir.path() + u"/Stray.bmp.png"_s));
    QVERIFY(LoadPicture(u"Stray.bmp"_s).isNull());

    // A file that is not a picture loads as nothing, not as garbage.
    dir.write(u"Broken.bmp"_s, "BM not really");
    QVERIFY(LoadPicture(u"Broken.bmp"_s).isNull());

    PictureBox box(nullptr, TwipsRect(0, 0, 495, 495));
    box.setPicture(picture);
    QVERIFY(!box.Picture().isNull());
    box.setPicture({});
    QVERIFY(box.Picture().isNull());
}

void TestPlatform::lockTriesAgainAfterEachPauseUntilItsWaitRunsOut()
{
    using namespace std::chrono_literals;
    using platform::LockFile;
    testkit::WorkDir dir;
    const QString name = dir.path() + u"/scores.lock"_s;
    auto otherGame = std::make_unique<LockFile>(name, 10s);
    QCOMPARE(otherGame->tryLock(), LockFile::Locked);

    // The time between tries is the caller's: pauses of up to 50 ms, and
    // no try after the wait.
    LockFile lock(name, 10s);
    QList<qint64> pauses;
    QElapsedTimer clock;
    clock.start();
    const auto sleepThrough = [&](std::chrono::milliseconds length) {
        pauses << length.count();
        QThread::msleep(static_cast<unsigned long>(length.count()));
    };
    QCOMPARE(lock.lock(300ms, sleepThrough), LockFile::Busy);
    QVERIFY2(pauses.size() >= 6 && clock.elapsed() < 1000, qPrintable(QString::number(pauses.size())));
    QVERIFY(*std::min_element(pauses.begin(), pauses.end()) >= 1);
    QVERIFY(*std::max_element(pauses.begin(), pauses.end()) <= 50);
    QVERIFY(!lock.error().known());

    // The other game lets go during a pause: the next try has the lock.
    pauses.clear();
    const auto otherGameEnds = [&](std::chrono::milliseconds length) {
        pauses << length.count();
        otherGame.reset();
    };
    QCOMPARE(lock.lock(5s, otherGameEnds), LockFile::Locked);
    QCOMPARE(pauses.size(), 1);
    QCOMPARE(lock.unlock(), platform::SystemError());
    QVERIFY(!QFile::exists(name));
}

void TestPlatform::playFolderIsBesideAPortableGameElseThePlayers()
{
    // Whatever the program calls its marker and its folder: none of it is
    // written into the platform.
    const QString marker = u"copy.ini"_s, name = u"Game Files"_s;
    testkit::WorkDir dir;
    const QString program = dir.path() + u"/Games/Game"_s, roaming = dir.path() + u"/Roaming"_s;
    QVERIFY(QDir().mkpath(program));

    // Installed: the player's folder, made on the way in.
    QVERIFY(EnterPlayFolder(program, roaming, marker, name));
    QCOMPARE(QDir::currentPath(), roaming + u'/' + name);

    // Portable: the marker keeps everything beside the program; another
    // program's marker does not.
    dir.write(u"Games/Game/portable.txt"_s, "");
    QCOMPARE(PlayFolder(program, roaming, marker, name), roaming + u'/' + name);
    dir.write(u"Games/Game/"_s + marker, "");
    QVERIFY(EnterPlayFolder(program + u'/', roaming, marker, name));
    QCOMPARE(QDir::currentPath(), program);

    // A file where the player's folder must go leaves the working directory alone.
    QVERIFY(QFile::remove(marker) && QDir().rmdir(roaming + u'/' + name));
    dir.write(u"Roaming/"_s + name, "");
    QVERIFY(!EnterPlayFolder(program, roaming, marker, name));
    QCOMPARE(QDir::currentPath(), program);
}

void TestPlatform::accessKeysActOnlyInTheActiveWindow()
{
    ProbeForm first(area_, nullptr, true, u"&Roll 1"_s);
    ProbeForm second(area_, nullptr, true, u"&Reset"_s);
    first.Load();
    second.Load();

    area_->setActiveSubWindow(first.window());
    QTest::keyClick(frame_, Qt::Key_R, Qt::AltModifier);
    QCOMPARE(first.clicks, 1);
    QCOMPARE(second.clicks, 0);

    area_->setActiveSubWindow(second.window());
    QTest::keyClick(frame_, Qt::Key_R, Qt::AltModifier);
    QCOMPARE(first.clicks, 1);
    QCOMPARE(second.clicks, 1);

    // A new caption brings its own key; the old one is gone.
    second.button->setCaption(u"Next &Turn"_s);
    QTest::keyClick(frame_, Qt::Key_R, Qt::AltModifier);
    QTest::keyClick(frame_, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(second.clicks, 2);
    QCOMPARE(first.clicks, 1);
    // Enter presses a button with the focus, as Space does; held down, once.
    second.button->setFocus();
    QTest::keyClick(second.button, Qt::Key_Return);
    QTest::keyClick(second.button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::simulateEvent(second.button, true, Qt::Key_Return, {}, {}, true);
    QCOMPARE(second.clicks, 4);

    // A disabled window takes no keys.
    second.setEnabled(false);
    QTest::keyClick(frame_, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(second.clicks, 4);
}

void TestPlatform::timerTicksUntilSwitchedOff()
{
    Timer timer(nullptr, 1);
    QVERIFY(!timer.Enabled());
    int ticks = 0;
    QObject::connect(&timer, &Timer::Tick, [&] {
        ++ticks;
        if (ticks == 3)
            timer.setEnabled(false);
    });
    timer.setEnabled(true);
    QVERIFY(timer.Enabled());
    QTRY_COMPARE(ticks, 3);
    QTest::qWait(20);
    QCOMPARE(ticks, 3);
    QVERIFY(!timer.Enabled());
}

void TestPlatform::frameComingBackActivatesAChild()
{
    KeepAChildActive(area_);
    ProbeForm below(area_, nullptr, true);
    ProbeForm top(area_, nullptr, true);
    below.Load();
    top.Load();
    area_->setActiveSubWindow(nullptr);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(frame_, &activate);
    QCOMPARE(area_->activeSubWindow(), top.window());

    // A hidden child is never the one made active.
    area_->setActiveSubWindow(nullptr);
    top.Hide();
    QApplication::sendEvent(frame_, &activate);
    QCOMPARE(area_->activeSubWindow(), below.window());
}

void TestPlatform::newWindowsStayInsideTheFrame()
{
    frame_->resize(400, 300);
    ProbeForm a(area_, nullptr, true), b(area_, nullptr, true), c(area_, nullptr, true);
    for (ProbeForm *form : {&a, &b, &c}) {
        form->Load();
        QVERIFY(area_->viewport()->rect().contains(form->window()->geometry()));
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
