// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace ombrix {

// The help window's text, one entry per printed line; an empty entry is an empty line.
// Paragraphs are indented with ideographic spaces (U+3000), some followed by ASCII blanks.
inline constexpr std::array<std::string_view, 35> kHelpLines = {
    "",
    "　【Problem】",
    "　　　　　  Do you ever serve as secretary of a class meeting ?",
    "　　　　　  Think about it as if you were the secretary.",
    "　　　　　  Suppose that the number of participants in the class meeting is 35 and the ",
    "　　　　  membership fee is 3500 yen.",
    "　　　　　　It is also assumed that there are only two types of participants : those who need",
    "　　　　  change with four 1000 yen bills and those who don't need change with three 1000 ",
    "　　　　  yen bills and one 500 yen coin.",
    "　　　　　　Membership fees are collected in order from those who arrive at venue , and those "
    "who need",
    "　　　　　change are given a 500 yen coin at that time and on the spot.",
    "　　　　　　However , based on experience , it is assumed that the ratio of those who need",
    "　　　　　change and those who don't need change is half and half.",
    "　　　　　　Now , as the secretary , how many 500 yen coins should you prepare for change ?",
    "",
    "　【Concept of experiment】",
    "　　　　　　The ratio of those who need change and those who don't need change is 50/50 , ",
    "　　　　　so suppose you toss a coin , and if heads come up , someone who doesn't need ",
    "　　　　　change will come. Suppose a coin is tossed , and if tails come up , someone who ",
    "　　　　　needs change will come.",
    "　　　　　　In other wards , if heads come up , 3000 yen and 500 yen will be paid out , so "
    "the ",
    "　　　　　number of 500 yen coins will increase by one.",
    "　　　　　　Also , if tails come out , 4000 yen will be paid , so change will be required , "
    "and",
    "　　　　　one 500 yen coin will be lost.",
    "",
    "　【Operation method】",
    "　　　　　■Specify the number of guests (number of participants in the class meeting) and the",
    "　　　　　number of experiments. then , the relationship between the insufficient number of ",
    "　　　　　coins (the number of 500 yen coins prepared by the secretary) and the number of",
    "　　　　　experiments is displayed in a frequency distribution table.",
    "　　　　　  In the windows for setting the number of customers and for setting the number of ",
    "　　　　　experiments , enter integers and click the [OK] button.",
    "　　　　　  Click the [ExperimentStart] button to display the frequency distribution table.",
    "　　　　　　By clicking the [Init] button , the table is cleared and the experiment can be ",
    "　　　　　restarted from the beginning.",
};

}  // namespace ombrix
