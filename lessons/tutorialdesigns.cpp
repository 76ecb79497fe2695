// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/tutorialdesigns.h"

#include "lessons/drills.h"

namespace keyvora {

namespace {

// Every paragraph opens with its indent of blanks, and keeps its own spelling.
constexpr TutorialParagraph kIntroParagraphs[] = {
    {"lblPara1",
     {120, 480, 7335, 975},
     u"        What is touch-typing? Touch-typing is to type without looking at the keyboard. In "
     u"order to achieve this, you must learn to use all ten fingers when typing and use correct "
     u"fingers for each keys. Touch-typing also means that you won't look for each keys you "
     u"type; you'll just type and know the right key is there.",
     "Label1",
     {120, 480, 7335, 975},
     u"        Apakah itu touch-typing? Touch-Typing merupakan teknik menaip tanpa melihat kepada "
     u"papan kekunci. Untuk mencapai matlamat ini, kamu perlu menggunakan kesemua jari dan juga "
     u"jari yang betul untuk setiap kekunci semasa menaip. Touch-typing juga memerlukan anda "
     u"mengetahui kedudukan kesemua kekunci yang ada."},
    {"lblPara2",
     {120, 1560, 7455, 975},
     u"        When you've mastered touch-typing, you'll be able to type faster without sacrifing "
     u"accuracy and therefore, increasing your productivity in whatever you do; whether you're "
     u"doing your college assignments or important documents for your tomorrow meeting. And "
     u"you won't type with that two-finger pecking style again.",
     "Label2",
     {120, 1560, 7455, 975},
     u"        Apabila anda telah menguasai teknik touch-typing, anda akan menaip dengan lebih "
     u"pantas tanpa kesilapan dan maka, dapat meningkatkan produktiviti dalam apa saja yang anda "
     u"buat, sama ada projek pelajar mahupun dokumen penting untuk mesyuarat pejabat. Kamu juga "
     u"tidak akan menaip dengan gaya dua jari yang biasa digunakan ramai orang."},
    {"lblPara3",
     {120, 2640, 7455, 1215},
     u"        Notice the raised marks on your F and J keys. Rest both your index fingers but "
     u"don't press them, on F and J keys. Now without removing your index fingers, rest your "
     u"middle fingers on D and K keys, followed by your ring fingers on S and L and finally your "
     u"little fingers on A and ; keys. This finger position is called the \"Home Position\". The "
     u"keys ASDFJKL; are called the \"Home Keys\". You can use either thumbs to press the "
     u"spacebar.",
     "Label3",
     {120, 2640, 7455, 1215},
     u"       Perhatikan bahawa terdapat suatu tanda terbonjol pada kekunci F dan J. Letakkan "
     u"kedua-dua jari telunjuk anda ke atas tanpa menekan kekunci tersebut. Seterusnya, letakkan "
     u"jari hantu anda pada kekunci D dan K; diikuti dengan jari cincin ke atas S dan L dan jari "
     u"kelengkeng pada A dan ;. Posisi ini dikenali sebagai \"Home Position\". Kekunci ASDFJKL: "
     u"dipanggil sebagai \"Home Keys\". Gunakan jari ibu untuk menekan spacebar."},
    {"lblPara4",
     {240, 3960, 7335, 495},
     u"        When you've finished reading this, please click \"Next\" to start your training. "
     u"Try not to look at the keyboard when you type.",
     "Label4",
     {120, 3960, 7335, 495},
     u"        Setelah anda habis membaca, anda boleh mengklik butang Next untuk memulakan "
     u"latihan. Cuba untuk tidak melihat papan kekunci semasa menaip."},
};

constexpr TutorialParagraph kLeftRightParagraphs[] = {
    {"lblPara1",
     {120, 480, 7455, 1215},
     u"       In this lesson, you'll learn to use the right finger for the right key. Note the "
     u"keyboard diagram below. The color code shows the right finger you should use to type "
     u"those keys. Whenever you type, remember to maintain the Home Position. Stretch the "
     u"correct finger to type the keys that you want to without losing that Home Position and "
     u"without moving too much. Your palm shouldn't move at all except for your fingers.",
     "Label2",
     {120, 480, 7455, 1215},
     u"        Di dalam latihan ini, anda akan mempelajari menggunakan jari yang betul untuk "
     u"kekunci yang betul. Perhatikan rajah papan kekunci di bawah. Kod warna menunjukkan jari "
     u"yang betul untuk menaip kekunci tertentu. Semasa menaip, cuba kekalkan \"Home Position\". "
     u"Panjangkan jari anda untuk menekan kekunci yang lebih jauh. Cuma gerakkan jari-jari anda "
     u"tanpa menggerakkan tapak tangan anda."},
    {"lblPara2",
     {120, 1800, 7455, 735},
     u"       You might find some difficulties when practicing to type with your little finger. "
     u"Practice makes perfect. When you have finished reading this, you can start your lesson "
     u"by choosing one from the list box.",
     "Label3",
     {120, 1800, 7455, 735},
     u"        Kamu mungkin akan menemui kesukaran semasa menaip dengan menggunakan jari "
     u"kelengkeng. Sentiasalah melatih supaya anda dapat menaip dengan lebih lancar. Setelah "
     u"anda habis membaca, anda boleh mula memilih latihan di kanan."},
};

constexpr TutorialParagraph kShiftParagraphs[] = {
    {"lblPara1",
     {120, 600, 7455, 1455},
     u"        In this lesson, you'll learn to type using Shift keys. We use shift key for "
     u"capitalization and to access to alternate special keys. You will use your little finger "
     u"to press the shift key. For keys on the left side of the board, press right shift key. "
     u"For keys on the right side of the board, use left shift key. This is so that you won't "
     u"overstretched your fingers and limits the movement of your palm. Both shift keys are "
     u"used throughout the lesson. When you're ready, you may click next to start your typing "
     u"lesson.",
     "Label1",
     {120, 600, 7455, 1455},
     u"        Di dalam latihan ini, anda akan belajar menggunakan kekunci Shift. Kita "
     u"menggunakan kekunci Shift untuk huruf besar dan simbol-simbol. Anda akan menggunakan jari "
     u"kelengkeng untuk menekan kekunci shift. Gunakan jari kelengkeng kiri untuk menekan "
     u"kekunci shift kiri jika anda ingin menekan kekunci di sebelah kanan papan kekunci dan "
     u"sebaliknya. Ini supaya anda dapat menaip dengan lebih lancar dan dapat mengekalkan Home "
     u"Position. Apabila anda sudah bersedia, klik Next."},
};

const TutorialDesign kIntro{"frmIntro",
                            7695,
                            8175,
                            u"Introduction to Touch-Typing",
                            {120, 120, 7335, 375},
                            u"Introduction To Touch-Typing",
                            u"Introduction to Touch-Typing",
                            u"Pengenalan kepada Touch-Typing",
                            kIntroParagraphs,
                            {6120, 4320, 1335, 375},
                            DiagramWindow::Intro,
                            homeRowDrill,
                            {},
                            {2880, 7560, 975, 375},
                            {3840, 7560, 975, 375}};

const TutorialDesign kLeftRight{"frmLR",
                                9885,
                                6255,
                                u"Left & Right Hand Training",
                                {120, 120, 5295, 375},
                                u"Left & Right Hand Training",
                                u"Left and Right Hand Training",
                                u"Latihan Tangan Kiri dan Kanan",
                                kLeftRightParagraphs,
                                {6000, 2400, 1335, 375},
                                DiagramWindow::LeftRight,
                                nullptr,
                                {7680, 480, 2055, 4620},
                                {7680, 5640, 975, 375},
                                {8640, 5640, 975, 375}};

const TutorialDesign kShift{"frmShift",
                            7680,
                            5895,
                            u"Shift, Normal & Special Keys",
                            {120, 120, 4095, 255},
                            u"Shift, Normal Keys & Special Keys",
                            u"Shift, Normal & Special Keys",
                            u"Kekunci Shift & Simbol",
                            kShiftParagraphs,
                            {6000, 2040, 1335, 375},
                            DiagramWindow::Shift,
                            shiftDrill,
                            {},
                            {2880, 5280, 975, 375},
                            {3840, 5280, 975, 375}};

} // namespace

const TutorialDesign &tutorialDesign(TutorialKind kind)
{
    switch (kind) {
    case TutorialKind::Intro:
        return kIntro;
    case TutorialKind::LeftRight:
        return kLeftRight;
    case TutorialKind::Shift:
        break;
    }
    return kShift;
}

} // namespace keyvora
