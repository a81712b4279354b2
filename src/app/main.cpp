// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstFrame.h"
#include "Fonts.h"
#include "TAGlowne.h"
#include "UkladApplication.h"
#include "WindowSet.h"

int main(int argc, char** argv)
{
    BeginReadingFontConfiguration();
    UkladApplication application(argc, argv);
    UkladApplication::KeepScaleThatFits(TAGlowne::LargestSize(), argv);
    CreateWindows(DataFolder::OfExecutable());
    AGlowne->show();
    AfterFirstFrame(*AGlowne, [&application] { application.FinishStart(); });
    const int result = application.exec();
    DestroyWindows();
    return result;
}
