#include "country/training_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "country/training.h"
#include "widgets/drop_down_list.h"
#include "widgets/widgets.h"

namespace zentar {

TrainingView::TrainingView(ScreenHost& app) : ScreenWindow(app, &Form4::NO_Click) {
    setWindowTitle(QStringLiteral("育成内容"));
    setFixedSize(px(3435), px(1680));
    setFont(gameFont(12));
    for (QLabel*& l : label1_) l = new QLabel(this);
    naiyo_ = new DropDownList(this);
    connect(naiyo_, &QComboBox::activated, this,
            [this](int i) { forward([i](Form4& f) { f.NAIYO_Click(i); }); });
    text1_ = new QLineEdit(this);
    makeNumberBox(text1_);
    connect(text1_, &QLineEdit::textEdited, this,
            [this](const QString& t) { forward([&t](Form4& f) { f.Text1_Change(t); }); });
    ok_ = new QPushButton(this);
    connect(ok_, &QPushButton::clicked, this, [this] { forward(&Form4::OK_Click); });
    no_ = new QPushButton(this);
    connect(no_, &QPushButton::clicked, this, [this] { forward(&Form4::NO_Click); });
    naiyo_->setObjectName(QStringLiteral("NAIYO"));
    text1_->setObjectName(QStringLiteral("Text1"));
    ok_->setObjectName(QStringLiteral("OK"));
    no_->setObjectName(QStringLiteral("NO"));
    useDialogKeys(this, ok_, true);
    sync();
}

void TrainingView::syncFrom(const Form4& f) {
    for (int i = 0; i < 3; ++i) {
        syncLabel(label1_[i], f.Label1[i]);
    }
    syncCombo(naiyo_, f.NAIYO);
    syncLineEdit(text1_, f.Text1);
    syncButton(ok_, f.OK);
    syncButton(no_, f.NO);
}

}  // namespace zentar
