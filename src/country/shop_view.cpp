#include "country/shop_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "country/shop.h"
#include "widgets/drop_down_list.h"
#include "widgets/widgets.h"

namespace zentar {

ShopView::ShopView(ScreenHost& app) : ScreenWindow(app, &Shop::NO_Click) {
    setWindowTitle(QStringLiteral("お買物"));
    setFixedSize(px(3405), px(3540));
    setFont(gameFont(12));
    for (QLabel*& l : label1_) l = new QLabel(this);
    naiyo_ = new DropDownList(this);
    connect(naiyo_, &QComboBox::activated, this,
            [this](int i) { forward([i](Shop& f) { f.NAIYO_Click(i); }); });
    const auto entry = [this](void (Shop::*change)(const QString&)) {
        auto* e = new QLineEdit(this);
        makeNumberBox(e);
        connect(e, &QLineEdit::textEdited, this,
                [this, change](const QString& t) { forward([&](Shop& f) { (f.*change)(t); }); });
        return e;
    };
    text2_ = entry(&Shop::Text2_Change);
    text1_ = entry(&Shop::Text1_Change);
    for (QLineEdit*& display : {std::ref(text3_), std::ref(text4_)}) {
        display = new QLineEdit(this);
        display->setReadOnly(true);
        display->setFocusPolicy(Qt::NoFocus);
    }
    ok_ = new QPushButton(this);
    connect(ok_, &QPushButton::clicked, this, [this] { forward(&Shop::OK_Click); });
    no_ = new QPushButton(this);
    connect(no_, &QPushButton::clicked, this, [this] { forward(&Shop::NO_Click); });
    naiyo_->setObjectName(QStringLiteral("NAIYO"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text2_->setObjectName(QStringLiteral("Text2"));
    text3_->setObjectName(QStringLiteral("Text3"));
    text4_->setObjectName(QStringLiteral("Text4"));
    ok_->setObjectName(QStringLiteral("OK"));
    no_->setObjectName(QStringLiteral("NO"));
    useDialogKeys(this, nullptr, false);  // leaving by a stray Escape would lose the order
    sync();
}

void ShopView::syncFrom(const Shop& f) {
    for (int i = 0; i < 7; ++i) {
        syncLabel(label1_[i], f.Label1[i]);
    }
    syncCombo(naiyo_, f.NAIYO);
    const std::pair<QLineEdit*, const TextBox*> boxes[] = {
        {text1_, &f.Text1}, {text2_, &f.Text2}, {text3_, &f.Text3}, {text4_, &f.Text4}};
    for (auto [w, c] : boxes) {
        syncLineEdit(w, *c);
    }
    syncButton(ok_, f.OK);
    syncButton(no_, f.NO);
}

}  // namespace zentar
