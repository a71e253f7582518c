#include "Forms.h"

#include <cstdlib>

namespace ui {

const Control& Form::operator[](std::string_view control) const {
    for (const Control& c : controls) {
        if (c.name == control) {
            return c;
        }
    }
    std::abort();  // a name the form does not have is a mistake in the program
}

namespace {

constexpr Control kMain[] = {
    {Kind::Shape, "Shape1", {1440, 240, 1452, 3612}},
    {Kind::Circle,
     "ball",
     {1440, 240, 240, 240},
     {},
     0,
     Align::Center,
     kHidden,
     kLightYellow,
     90,
     6,
     240,
     240},
    {Kind::Shape,
     "curs",
     {1920, 3840, 252, 132},
     {},
     0,
     Align::Center,
     kHidden,
     kMarkerYellow,
     2,
     2,
     240},
    {Kind::Label, "Label1", {3120, 480, 972, 252}, "Далее:"},
    {Kind::Shape, "Shape2", {3120, 684, 972, 408}},
    {Kind::Circle, "next", {3372, 768, 240, 240}, {}, 0, Align::Center, 0, kLightYellow, 2, 2, 240},
    {Kind::Label, "Label2", {240, 528, 972, 252}, "Очки:"},
    {Kind::Cell, "Shape3", {240, 720, 972, 252}},
    {Kind::Label, "score", {240, 720, 972, 252}, "0"},
    {Kind::Label, "Label6", {240, 1200, 972, 252}, "Кол-во:"},
    {Kind::Cell, "Shape5", {240, 1392, 972, 252}},
    {Kind::Label, "col", {240, 1392, 972, 252}, "0"},
    {Kind::Label, "Label3", {240, 1920, 972, 252}, "Уровень:"},
    {Kind::Cell, "Shape4", {240, 2112, 972, 252}},
    {Kind::Label, "level", {240, 2112, 972, 252}, "1"},
    {Kind::Cell, "percfull", {240, 2400, 972, 252}},
    {Kind::Hatched, "perc", {240, 2400, 12, 252}},
    {Kind::Label,
     "info",
     {3000, 1320, 1212, 1932},
     "Вы можете задать начальный уровень в меню.",
     0,
     Align::Center,
     kWrap},
    {Kind::Button, "Command1", {1560, 1800, 1212, 492}, "Начать(F2)", 0, Align::Center, kNoFocus},
    {Kind::Button,
     "Command2",
     {1560, 1800, 1212, 492},
     "Продолжить",
     0,
     Align::Center,
     kNoFocus | kHidden},
};

constexpr Control kOver[] = {
    {Kind::Label, "Label1", {120, 120, 3492, 372}, "Игра закончена", 12},
    {Kind::Label, "Label2", {120, 600, 1692, 252}, "Ваш результат:"},
    {Kind::Label, "Label3", {1920, 600, 1692, 252}, "Уровень:"},
    {Kind::Cell, "Shape10", {120, 840, 1692, 252}},
    {Kind::Label, "score", {120, 840, 1692, 252}, {}, 9.6},
    {Kind::Cell, "Shape1", {1920, 840, 1692, 252}},
    {Kind::Label, "level", {1920, 840, 1692, 252}, {}, 9.6},
    {Kind::Label,
     "Label4",
     {120, 1200, 3492, 492},
     "Вы установили новый рекорд! Введите ваше имя:",
     0,
     Align::TopLeft,
     kWrap | kHidden},
    {Kind::TextBox, "yourname", {120, 1680, 3492, 288}, "Anonymous", 0, Align::Left, kHidden},
    {Kind::Button, "Command1", {1320, 2040, 1092, 372}, "Ok", 0, Align::Center, kDefault | kCancel},
};

constexpr Control kTopScores[] = {
    {Kind::Label, "Label2", {120, 120, 972, 252}, "Очки:"},
    {Kind::Label, "Label12", {1320, 120, 2172, 252}, "Имена:"},
    {Kind::Cell,
     "scorecell",
     {120, 360, 972, 252},
     {},
     0,
     Align::Center,
     0,
     kLightYellow,
     10,
     1,
     0,
     360},
    {Kind::Label,
     "score",
     {120, 360, 972, 252},
     "0",
     9.6,
     Align::Center,
     0,
     kLightYellow,
     10,
     1,
     0,
     360},
    {Kind::Label,
     "rank",
     {1080, 360, 252, 252},
     {},
     9.6,
     Align::Center,
     kRanked,
     kLightYellow,
     10,
     1,
     0,
     360},
    {Kind::Cell,
     "namecell",
     {1320, 360, 2172, 252},
     {},
     0,
     Align::Center,
     0,
     kLightYellow,
     10,
     1,
     0,
     360},
    {Kind::Label,
     "names",
     {1440, 360, 2052, 252},
     "--------------",
     0,
     Align::Left,
     0,
     kLightYellow,
     10,
     1,
     0,
     360},
    {Kind::Button,
     "Command1",
     {1200, 3960, 1212, 372},
     "Закрыть",
     0,
     Align::Center,
     kDefault | kCancel | kFocus},
};

constexpr Control kColors[] = {
    {Kind::Button, "Command1", {120, 960, 852, 372}, "Ok", 0, Align::Center, kDefault},
    {Kind::Button, "Command2", {1080, 960, 852, 372}, "Отмена", 0, Align::Center, kCancel},
    {Kind::Shape, "Shape2", {240, 240, 1572, 612}},
    {Kind::Circle,
     "col",
     {360, 360, 240, 240},
     {},
     0,
     Align::Center,
     0,
     kLightYellow,
     4,
     4,
     360,
     0,
     1},
    {Kind::Button,
     "ccc",
     {360, 600, 252, 192},
     {},
     0,
     Align::Center,
     kNumbered | kFocus,
     kLightYellow,
     4,
     4,
     360,
     0,
     1},
};

// Neither button answers Enter or Esc: those are keys to bind.
constexpr Control kKeys[] = {
    {Kind::Label, "Label1", {120, 396, 1212, 252}, "Влево", 0, Align::Right},
    {Kind::KeyField, "Text1", {1440, 360, 1332, 288}, {}, 0, Align::Left, kFocus},
    {Kind::Label, "Label2", {120, 756, 1212, 252}, "Вправо", 0, Align::Right},
    {Kind::KeyField, "Text2", {1440, 720, 1332, 288}, {}, 0, Align::Left},
    {Kind::Label, "Label3", {120, 1116, 1212, 252}, "Повернуть", 0, Align::Right},
    {Kind::KeyField, "Text3", {1440, 1080, 1332, 288}, {}, 0, Align::Left},
    {Kind::Label, "Label5", {120, 1476, 1212, 252}, "Бросить", 0, Align::Right},
    {Kind::KeyField, "Text5", {1440, 1440, 1332, 288}, {}, 0, Align::Left},
    {Kind::Label, "Label6", {1440, 120, 1332, 252}, "Клавиша:"},
    {Kind::Button, "Command1", {120, 1920, 1212, 372}, "Сохранить"},
    {Kind::Button, "Command2", {1560, 1920, 1212, 372}, "Отмена"},
};

constexpr Control kRules[] = {
    {Kind::Button,
     "Command1",
     {1680, 2400, 1332, 372},
     "Закрыть",
     0,
     Align::Center,
     kDefault | kCancel | kFocus},
    {Kind::Label, "Label1", {120, 120, 4452, 432}, "Правила", 18, Align::TopCenter},
    {Kind::Rule, "Line1", {120, 480, 4440, 0}},
    {Kind::TextArea, "t", {120, 600, 4452, 1692}, {}, 0, Align::TopLeft, kWrap},
};

constexpr Control kAbout[] = {
    {Kind::Label, "Label1", {120, 120, 3972, 432}, "Tarvelo", 18, Align::TopCenter},
    {Kind::Rule, "Line1", {120, 480, 3960, 0}},
    {Kind::Picture, "Image1", {120, 720, 492, 372}, {}, 0, Align::TopLeft},
    {Kind::Label, "mm", {840, 720, 3252, 1332}, {}, 0, Align::TopLeft, kWrap},
    {Kind::Button,
     "Command1",
     {1440, 2160, 1332, 372},
     "Закрыть",
     0,
     Align::Center,
     kDefault | kCancel | kFocus},
};

}  // namespace

const Form mainform{"main", "Tarvelo", 4332, 4104, kMain};
const Form overform{"overform", "GameOver", 3732, 2532, kOver};
const Form topscores{"topscores", "Десятка лучших результатов", 3612, 4440, kTopScores};
const Form colorform{"colorform", "Цвета", 2064, 1452, kColors};
const Form keys{"keys", "Клавиши", 2892, 2424, kKeys};
const Form rules{"rules", "Правила", 4692, 2892, kRules};
const Form about{"about", "О программе", 4212, 2628, kAbout};

}  // namespace ui
