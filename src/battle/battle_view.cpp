#include "battle/battle_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QPushButton>

#include "battle/battle.h"
#include "battle/field_view.h"
#include "widgets/drop_down_list.h"
#include "widgets/virtual_keys.h"
#include "widgets/widgets.h"

namespace zentar {
namespace {

constexpr int kGlideMs = 200;

}  // namespace

BattleView::BattleView(ScreenHost& app)
    : ScreenWindow(app, &Form3::QueryUnload),
      layer_(QSize(px(Form3::Width), px(Form3::Height)), [this](int milliseconds) {
          update();
          app_.animate(milliseconds);
      }) {
    setWindowTitle(QStringLiteral("バトル テンキーの０かenterでメニュー"));
    setFixedSize(px(Form3::Width), px(Form3::Height));
    setFont(gameFont(12));
    setFocusPolicy(Qt::ClickFocus);  // Tab goes round the pause menu only
    setAttribute(Qt::WA_OpaquePaintEvent);

    kab_ = new QFrame(this);
    hyo_ = new PictureBox(app_.pictures(), kab_);
    mes_ = new QLabel(kab_);
    mes_->setWordWrap(true);
    mes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mes_->setFont(gameFont(13));
    handan_ = new QFrame(kab_);
    sinti_ = new QPlainTextEdit(handan_);
    sinti_->setReadOnly(true);
    setBackground(sinti_, {0, 255, 255});
    sinti_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    senpo_ = new DropDownList(handan_);
    connect(senpo_, &QComboBox::activated, this,
            [this](int i) { forward([i](Form3& f) { f.SENPO_Click(i); }); });
    // Enter, like Space, presses the menu's button that has the focus.
    const auto menuButton = [this] {
        auto* b = new QPushButton(handan_);
        b->setAutoDefault(true);
        return b;
    };
    ii_ = menuButton();
    connect(ii_, &QPushButton::clicked, this, [this] { forward(&Form3::II_Click); });
    momir_ = menuButton();
    connect(momir_, &QPushButton::clicked, this, [this] { forward(&Form3::MOMIR_Click); });
    mg_ = menuButton();
    connect(mg_, &QPushButton::clicked, this, [this] { forward(&Form3::MG_Click); });
    // Tab goes round the list, the buttons, then the report, whose soldiers' lines the
    // keys scroll into sight.
    setTabOrder(senpo_, ii_);
    setTabOrder(ii_, momir_);
    setTabOrder(momir_, mg_);
    setTabOrder(mg_, sinti_);
    kab_->setObjectName(QStringLiteral("kab"));
    mes_->setObjectName(QStringLiteral("mes"));
    handan_->setObjectName(QStringLiteral("HANDAN"));
    sinti_->setObjectName(QStringLiteral("sinti"));
    senpo_->setObjectName(QStringLiteral("SENPO"));
    ii_->setObjectName(QStringLiteral("II"));
    momir_->setObjectName(QStringLiteral("MOMIR"));
    mg_->setObjectName(QStringLiteral("MG"));
    glide_ = new QPropertyAnimation(kab_, "pos", this);
    glide_->setDuration(kGlideMs);
    glide_->setEasingCurve(QEasingCurve::OutCubic);

    const Form3* f = app_.game().find<Form3>();
    panelTop_ = f ? px(f->kab.Top) : height();
    kab_->move(f ? px(f->kab.Left) : 0, panelTop_);
    app_.game().attachSurface(&layer_);
    sync();
}

BattleView::~BattleView() {
    app_.game().detachSurface(&layer_);
}

void BattleView::syncFrom(const Form3& f) {
    syncPanel(f);
    if (!f.HANDAN.Visible && kab_->isAncestorOf(focusWidget())) setFocus();
    // The open menu keeps the keyboard: the strategy list takes it when the menu opens
    // and whenever the battle takes input again.
    if (f.HANDAN.Visible && app_.game().enabled(Form3::kId) &&
        !handan_->isAncestorOf(focusWidget()))
        senpo_->setFocus();
    update();
}

void BattleView::syncPanel(const Form3& f) {
    const QRect r = pixelRect(f.kab);
    kab_->resize(r.size());
    kab_->setVisible(f.kab.Visible);
    setBackground(kab_, f.kab.BackColor);
    if (r.top() != panelTop_) {  // the panel glides to where the rules put it
        panelTop_ = r.top();
        glide_->stop();
        glide_->setStartValue(kab_->pos());
        glide_->setEndValue(r.topLeft());
        glide_->start();
    }
    hyo_->sync(f.HYO);
    syncLabel(mes_, f.mes);
    placeWidget(handan_, f.HANDAN);
    setBackground(handan_, f.HANDAN.BackColor);
    syncPlainText(sinti_, f.sinti);
    syncCombo(senpo_, f.SENPO);
    syncButton(ii_, f.II);
    syncButton(momir_, f.MOMIR);
    syncButton(mg_, f.MG);
}

void BattleView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (const Form3* f = app_.game().find<Form3>())
        paintField(p, *f, &layer_.image(), app_.pictures());
    else
        p.fillRect(rect(), QColor(0, 255, 0));
}

// Keys on the pause menu's own controls stay there; the field's keys reach the rules.
void BattleView::keyPressEvent(QKeyEvent* event) {
    const int key = virtualKey(event);
    if (key >= 0 && !handan_->isAncestorOf(focusWidget()))
        forward([key](Form3& f) { f.Form_KeyDown(key); });
}

}  // namespace zentar
