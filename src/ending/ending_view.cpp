#include "ending/ending_view.h"

#include <QCloseEvent>
#include <QLabel>

#include "ending/ending.h"
#include "widgets/widgets.h"

namespace zentar {

EndingView::EndingView(ScreenHost& app) : ScreenWindow(app, &Form8::QueryUnload) {
    setWindowTitle(QStringLiteral("Ｅｎｄｉｎｇ"));
    setFixedSize(px(6555), px(5940));
    setBackground(this, {0, 0, 255});
    image1_ = new PictureBox(app_.pictures(), this);
    label1_ = new QLabel(this);
    label1_->setFont(gameFont(26));
    label1_->setAlignment(Qt::AlignCenter);
    label2_ = new QLabel(this);
    label2_->setFont(gameFont(15));
    label2_->setWordWrap(true);
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3_ = new QLabel(this);
    label3_->setFont(gameFont(14));
    label1_->raise();  // the flashing words stand in front of the picture
    sync();
}

void EndingView::syncFrom(const Form8& f) {
    image1_->sync(f.Image1);
    for (auto [w, c] : {std::pair{label1_, &f.Label1}, std::pair{label2_, &f.Label2},
                        std::pair{label3_, &f.Label3}}) {
        syncLabel(w, *c);
    }
}

}  // namespace zentar
