#include "country/main_screen_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "country/main_screen.h"
#include "widgets/key_forwarding.h"
#include "widgets/step_scroll_bar.h"
#include "widgets/virtual_keys.h"
#include "widgets/widgets.h"

namespace zentar {

MainScreenView::MainScreenView(ScreenHost& app) : ScreenWindow(app, &Form2::QueryUnload) {
    setWindowTitle(QStringLiteral("ゼンタル"));
    auto* client = new QWidget(this);
    client->setFixedSize(px(6225), px(3495));
    setCentralWidget(client);
    setFont(gameFont(12));

    my_ = new QFrame(client);
    hyo_ = new PictureBox(app_.pictures(), my_);
    auto* st = new KeyForwarding<QPlainTextEdit>(my_);
    st->setReadOnly(true);
    st->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    st->setLineWrapMode(QPlainTextEdit::NoWrap);
    st->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    st->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    st->onKey = [this](int key) {
        forward([key](Form2& f) { f.ST_KeyDown(key); });
        return Form2::movesCursor(key);
    };
    st_ = st;
    st_->setObjectName(QStringLiteral("ST"));
    st->setTabChangesFocus(true);
    auto* kkaze = new KeyForwarding<StepScrollBar>(my_);
    kkaze->onKey = [this](int key) {
        forward([key](Form2& f) { f.Form_KeyDown(key); });
        return true;
    };
    connect(kkaze, &QScrollBar::valueChanged, this,
            [this](int v) { forward([v](Form2& f) { f.KKAze_Change(v); }); });
    kkaze_ = kkaze;
    kkaze_->setObjectName(QStringLiteral("KKAze"));
    for (QLabel*& label : bun_) label = new QLabel(client);
    auto* msp = new KeyForwarding<StepScrollBar>(client);
    msp->onKey = [](int) { return true; };  // keys on the speed bar only move it, if at all
    msp_ = msp;
    msp_->setObjectName(QStringLiteral("MSP"));
    connect(msp_, &QScrollBar::valueChanged, this,
            [this](int v) { forward([v](Form2& f) { f.MSP_Change(v); }); });
    setTabOrder(st_, kkaze_);
    setTabOrder(kkaze_, msp_);
    buildMenus();
    sync();
    st_->setFocus();
}

void MainScreenView::buildMenus() {
    QMenu* n0 = menuBar()->addMenu(QStringLiteral("メニュー"));
    const struct {
        const char16_t* caption;
        QKeySequence key;
        void (Form2::*click)();
    } items[] = {{u"命令", QKeySequence(Qt::Key_F1), &Form2::N1_Click},
                 {u"仕入", QKeySequence(Qt::Key_F2), &Form2::N2_Click},
                 {u"決戦", QKeySequence(Qt::Key_F3), &Form2::N3_Click},
                 {nullptr, {}, nullptr},
                 {u"育成中断", QKeySequence(Qt::CTRL | Qt::Key_F1), &Form2::N6_Click}};
    for (const auto& item : items) {
        if (!item.caption) {
            n0->addSeparator();
            continue;
        }
        QAction* a = n0->addAction(QString::fromUtf16(item.caption));
        a->setShortcut(item.key);
        connect(a, &QAction::triggered, this, [this, click = item.click] { forward(click); });
    }
    QMenu* z0 = menuBar()->addMenu(QStringLiteral("育成情報"));
    QAction* z1 = z0->addAction(QStringLiteral("お助けヘルプ"));
    z1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    connect(z1, &QAction::triggered, this, [this] { forward(&Form2::Z1_Click); });
    QMenu* z2 = z0->addMenu(QStringLiteral("バージョン情報"));
    z2->addAction(QStringLiteral("ゼンタル　Ｖｅｒ．１．００"));
    z2->addAction(versionCredit());
}

void MainScreenView::syncFrom(const Form2& f) {
    placeWidget(my_, f.MY);
    hyo_->sync(f.HYO);
    syncPlainText(st_, f.ST);
    syncScrollBar(kkaze_, f.KKAze);
    for (int i = 0; i < 4; ++i) {
        syncLabel(bun_[i], f.BUN[i]);
    }
    syncScrollBar(msp_, f.MSP);
}

void MainScreenView::keyPressEvent(QKeyEvent* event) {
    const int key = virtualKey(event);
    if (key >= 0) forward([key](Form2& f) { f.Form_KeyDown(key); });
}

}  // namespace zentar
