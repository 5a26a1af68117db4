#include "title/title_view.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QValidator>

#include "state/text.h"
#include "title/title.h"
#include "widgets/widgets.h"

namespace zentar {
namespace {

// Holds the name to 20 bytes as a text box with a length limit does: of what is typed,
// pasted or committed by the input method, the characters that fit are kept and the
// rest is dropped.
class NameValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& cursor) const override {
        // What the game cannot show (an emoji) never enters, wherever it came from.
        cursor = int(nameCharacters(input.left(cursor)).size());
        input = nameCharacters(input);
        while (sjisByteLength(input) > Form1::kNameBytes && cursor > 0) {
            const bool pair = cursor >= 2 && input[cursor - 1].isLowSurrogate() &&
                              input[cursor - 2].isHighSurrogate();
            const int drop = pair ? 2 : 1;
            input.remove(cursor - drop, drop);  // the newest characters stand before the cursor
            cursor -= drop;
        }
        return sjisByteLength(input) <= Form1::kNameBytes ? Acceptable : Invalid;
    }
};

}  // namespace

TitleView::TitleView(ScreenHost& app) : ScreenWindow(app, &Form1::QueryUnload) {
    setWindowTitle(QStringLiteral("ゼンタル"));
    auto* client = new QWidget(this);
    client->setFixedSize(px(6750), px(5070));
    setCentralWidget(client);

    image1_ = new PictureBox(app_.pictures(), client);
    for (int i : {0, 2, 1}) {
        label1_[i] = new QLabel(client);
        label1_[i]->setAlignment(Qt::AlignCenter);
    }
    label1_[0]->setFont(gameFont(32));
    label1_[2]->setFont(gameFont(16));
    label1_[1]->setFont(gameFont(12));
    label2_ = new QLabel(client);
    label2_->setFont(gameFont(13));
    nam_ = new QLineEdit(client);
    nam_->setObjectName(QStringLiteral("NAM"));
    nam_->setFont(gameFont(14));
    nam_->setValidator(new NameValidator(nam_));
    connect(nam_, &QLineEdit::textEdited, this,
            [this](const QString& text) { forward([&](Form1& f) { f.NAM_Change(text); }); });
    image1_->lower();

    QMenu* menu = menuBar()->addMenu(QStringLiteral("メニュー"));
    QAction* n1 = menu->addAction(QStringLiteral("はじめから"));
    n1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    connect(n1, &QAction::triggered, this, [this] { forward(&Form1::N1_Click); });
    QAction* n2 = menu->addAction(QStringLiteral("続きから"));
    n2->setShortcut(QKeySequence(Qt::Key_F2));
    connect(n2, &QAction::triggered, this, [this] { forward(&Form1::N2_Click); });
    QAction* ya0 = menuBar()->addAction(QStringLiteral("もうやめる"));
    connect(ya0, &QAction::triggered, this, [this] { forward(&Form1::YA0_Click); });
    sync();
    nam_->setFocus();
}

void TitleView::syncFrom(const Form1& f) {
    for (int i = 0; i < 3; ++i) {
        syncLabel(label1_[i], f.Label1[i]);
    }
    syncLabel(label2_, f.Label2);
    syncLineEdit(nam_, f.NAM);
    image1_->sync(f.Image1);
}

}  // namespace zentar
