// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "translate.h"

namespace ombrix {

// The help window's text, one message of printed lines: an empty line is an empty line.
// Paragraphs are indented with ideographic spaces (U+3000), some followed by ASCII blanks, and
// some lines end in a blank.
inline constexpr Message kHelpText = Msg(
    "\n"
    "　【Problem】\n"
    "　　　　　  Do you ever serve as secretary of a class meeting ?\n"
    "　　　　　  Think about it as if you were the secretary.\n"
    "　　　　　  Suppose that the number of participants in the class meeting is 35 and the \n"
    "　　　　  membership fee is 3500 yen.\n"
    "　　　　　　It is also assumed that there are only two types of participants : those who "
    "need\n"
    "　　　　  change with four 1000 yen bills and those who don't need change with three 1000 \n"
    "　　　　  yen bills and one 500 yen coin.\n"
    "　　　　　　Membership fees are collected in order from those who arrive at venue , and those "
    "who need\n"
    "　　　　　change are given a 500 yen coin at that time and on the spot.\n"
    "　　　　　　However , based on experience , it is assumed that the ratio of those who need\n"
    "　　　　　change and those who don't need change is half and half.\n"
    "　　　　　　Now , as the secretary , how many 500 yen coins should you prepare for change ?\n"
    "\n"
    "　【Concept of experiment】\n"
    "　　　　　　The ratio of those who need change and those who don't need change is 50/50 , \n"
    "　　　　　so suppose you toss a coin , and if heads come up , someone who doesn't need \n"
    "　　　　　change will come. Suppose a coin is tossed , and if tails come up , someone who \n"
    "　　　　　needs change will come.\n"
    "　　　　　　In other wards , if heads come up , 3000 yen and 500 yen will be paid out , so "
    "the \n"
    "　　　　　number of 500 yen coins will increase by one.\n"
    "　　　　　　Also , if tails come out , 4000 yen will be paid , so change will be required , "
    "and\n"
    "　　　　　one 500 yen coin will be lost.\n"
    "\n"
    "　【Operation method】\n"
    "　　　　　■Specify the number of guests (number of participants in the class meeting) and "
    "the\n"
    "　　　　　number of experiments. then , the relationship between the insufficient number of \n"
    "　　　　　coins (the number of 500 yen coins prepared by the secretary) and the number of\n"
    "　　　　　experiments is displayed in a frequency distribution table.\n"
    "　　　　　  In the windows for setting the number of customers and for setting the number of "
    "\n"
    "　　　　　experiments , enter integers and click the [OK] button.\n"
    "　　　　　  Click the [ExperimentStart] button to display the frequency distribution table.\n"
    "　　　　　　By clicking the [Init] button , the table is cleared and the experiment can be \n"
    "　　　　　restarted from the beginning.");

// The help text in the current language, one entry a line.
std::vector<std::string> HelpLines();

}  // namespace ombrix
