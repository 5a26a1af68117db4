// Loading the battle screen: both armies, their sprites and the pre-battle talk.
#include <algorithm>

#include "battle/battle.h"
#include "core/game.h"

namespace zentar {
namespace {

struct RivalTalk {
    int icon;
    const char16_t* player;
    const char16_t* rival;
};

constexpr RivalTalk kTalk[kLastRival] = {
    {1,
     u"このゲームのプレイヤーに言っておこう。 "
     u"こいつはこの戦いの方法を覚えるいわば練習モードのような敵だ。　ここには勝つぞ！！",
     u"ぎょ！！　そこまでいうとは･･･　しかたがない････みんな、こいつらを殺っちまえー！！"},
    {2,
     u"････おい、　俺は女をいたぶる主義ではない。　さっさとリーダーを出した方が身のためだぞ！！　早"
     u"く出せよー！",
     u"むかっ･･･　私がここのリーダーです･･･　女だからってなめると後が怖いですよ･･･　かわいがってあ"
     u"げましょう！！　さあ、来なさい。"},
    {1, u"男の中の男だってー！？　けっ、ふんどし１枚でなーにが男だあ！？　俺が１番だってーの！",
     u"ふん･･･　お前らにはこの感性が理解できないようだな････　俺がみっちり男についてこれから教えて"
     u"やるわっ！！"},
    {1,
     u"はあ？　サラリーマン？　お前らどうせヒラ社員だろーが！　でけー面するなあー！！！　ぜいぜい･･"
     u"･",
     u"くくく･･･　今こそ企業戦士の団結力を思い知るがいい･･･　行けっ！！　企業戦士　－サラリーマン－"
     u"！！"},
    {1,
     u"うっ････　　ヤーさんがでるとは思わなかった。　しかし･･･　ここでひるむわけにはいかーん！！　"
     u"突っ込めー！！",
     u"あーーんだ？　俺らを殺ろうってか？　いい根性してるやんけ！　野郎！！　こいつら　いてもうたれ"
     u"！！"},
    {3, u"げえー！　気色わりー！　作者、　バ○オハ○ー○２のやりすぎだあー！　",
     u"何ゆってんだ？　お前は。　おめーら全員食い殺してやる。　今のうち後悔しとけ。"},
    {1,
     u"なんだ？こいつら。　みんなそろってみょーなもん頭につけやがって・・・　                "
     u"変なの。",
     u"･････お前には分かるまい･･･　この大宇宙の心理が･･･　解らぬ物は死に値する重罪だ･･･　彼らを抹殺"
     u"しなさい･･･"},
    {2,
     u"ちくしょー！　なんで体操服なんか着てるんだよー！　そんなの着られると攻撃しずれーよう！！　着"
     u"替えろー！！",
     u"あたしらはこれがユニフォームなのよ！　あなた達、変なこと考えてんでしょー。　野蛮よ！　エッチ"
     u"！！　変態！　もう殺してやる！"},
    {3, u"･･･････････こいつらつえーのか？　言葉通じるのかな？　謎に満ちたバケモンだなー････",
     u"ゲボゲボ！？　ゲボゲボゲボゲボ！！　（なんですって！？　こいつらってやな奴ー　という意味）"},
    {2,
     u"うわあー　くノ一だー！　初めて見たあー････なんていってる場合ではなかった！！　なんで女なんだ"
     u"よー！　男忍者の方がさくっと倒しやすいのにー",
     u"ふっ･･･　そこが女であることの最大の利点･･･　いい男だけどお命頂戴いたします！　くたばれー！"
     u"！"},
    {5, u"･･････ゴジラさん？",
     u"アンギャーーー！！！（ボケーー！　　　こじらやてゆーてるやろがー！　という意味）"},
    {4, u"？？？　お前は一体･･･　　　何？",
     u"勝ったら教えて　あ･げ･る･！（実は全部の国を倒さないと駄目だったりする）　　死ねやぼけえーー"
     u"ーーーーー！！"},
    {4,
     u"あわわ････　こんなの呼び出しちゃった･･････　くそお！　もうやけくそだー！！　みんなー！　こい"
     u"つを退治しろー！",
     u"･････私にたてつく者はこの世から抹殺･････　　その星も抹殺･･･････　　歯向かう者は抹殺あるのみ･"
     u"････"},
};

bool isRival(int n) {
    return n >= 1 && n <= kLastRival;
}

}  // namespace

std::array<QString, 2> battleTalk(int rival) {
    if (!isRival(rival)) return {};
    const RivalTalk& t = kTalk[rival - 1];
    return {QString::fromUtf16(t.player), QString::fromUtf16(t.rival)};
}

PictureId rivalIcon(int rival) {
    return isRival(rival) ? icon(kTalk[rival - 1].icon) : icon(1);
}

void Form3::Form_Load() {
    GameState& st = g.st;
    g.random.seedFromClock();
    sakusen.clear();
    for (auto& side : bm.heihp) side.fill(0);
    HEIM[0].picture = ICONS[0].picture;
    if (isRival(st.aite)) {
        st.talk = battleTalk(st.aite);
        HEIT[0].picture = rivalIcon(st.aite);
    }
    for (int k = 0; k < 2; ++k) bm.mesnaga[k] = static_cast<std::int32_t>(st.talk[k].size()) + 20;
    bm.moji = 1;
    bm.gyou = 0;
    mes.Caption.clear();
    bm.flash = 0;
    Timer1.Interval = std::clamp(st.speed, kMinSpeed, kMaxSpeed);
    bm.koma = -1;
    HYO.picture = portrait(0);
    fieldSoldiers(kPlayer, 0);
    fieldSoldiers(kRival, st.aite);
    for (int side : {kPlayer, kRival}) {
        const Country& c = st.country[countryOf(side)];
        bm.kou[side] = c.OFE;
        bm.bou[side] = c.DEF;
        bm.ketu[side] = c.qui;
        bm.mato[side][0] = 0;
        bm.heihp[side][0] = c.hp;
        bm.nokori[side] = c.heisi;
    }
}

// Soldiers 1..heisi spread near soldier 0: the player's up to 200 twips to its left,
// the rival's up to 200 to its right, over the whole height of the field.
void Form3::fieldSoldiers(int side, int country) {
    const Country& c = g.st.country[std::clamp(country, 0, kCountries - 1)];
    const int top = std::clamp(c.heisi, 0, kSoldiers - 1);
    bm.fieldedTop[side] = top >= 2 ? top : 0;
    auto& sp = sprites(side);
    const Picture& first = sp[0];
    for (int i = 1; i <= bm.fieldedTop[side]; ++i) {
        Picture& s = sp[i];
        s = first;
        s.Visible = true;
        const double r1 = g.random.next();
        const double r2 = g.random.next();
        const double spread = r1 * 200;
        s.Left = static_cast<float>(side == kPlayer ? first.Left - spread : spread + first.Left);
        s.Top = static_cast<float>((Height - first.Top) * r2 + first.Top - 200);
        bm.mato[side][i] = i;
        bm.heihp[side][i] = c.hp;
    }
}

}  // namespace zentar
