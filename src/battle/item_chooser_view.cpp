#include "battle/item_chooser_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "battle/item_chooser.h"
#include "widgets/drop_down_list.h"
#include "widgets/widgets.h"

namespace zentar {

ItemChooserView::ItemChooserView(ScreenHost& app) : ScreenWindow(app, &Form7::Command2_Click) {
    setWindowTitle(QStringLiteral("アイテム欄"));
    setFixedSize(px(Form7::Width), px(Form7::Height));
    setFont(gameFont(12));
    label1_ = new QLabel(this);
    ite_ = new QLineEdit(this);
    ite_->setReadOnly(true);
    ite_->setFocusPolicy(Qt::NoFocus);
    aitem_ = new DropDownList(this);
    aitem_->setMaxVisibleItems(15);
    connect(aitem_, &QComboBox::activated, this,
            [this](int i) { forward([i](Form7& f) { f.AITEM_Click(i); }); });
    command1_ = new QPushButton(this);
    connect(command1_, &QPushButton::clicked, this, [this] { forward(&Form7::Command1_Click); });
    command2_ = new QPushButton(this);
    connect(command2_, &QPushButton::clicked, this, [this] { forward(&Form7::Command2_Click); });
    ite_->setObjectName(QStringLiteral("ITE"));
    aitem_->setObjectName(QStringLiteral("AITEM"));
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_->setObjectName(QStringLiteral("Command2"));
    useDialogKeys(this, nullptr, true);
    sync();
}

void ItemChooserView::syncFrom(const Form7& f) {
    syncLabel(label1_, f.Label1);
    syncLineEdit(ite_, f.ITE);
    syncCombo(aitem_, f.AITEM);
    syncButton(command1_, f.Command1);
    syncButton(command2_, f.Command2);
}

}  // namespace zentar
