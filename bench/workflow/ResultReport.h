#pragma once
// The bench's printout: a row per part as it is measured, then the archive
// sizes with totals, then one RESULT line per part for compare.py:
//   RESULT label=L part=P files=N bytes=B cores=C a11y=0|1 ok=0|1
//          volarin=MED,MIN,MAX staged=... after_staged=... zip=... 7z=... bsdtar=...
//          volarin_size=B zip_size=B 7z_size=B bsdtar_size=B peak_kb=K
// (times in seconds; absent peers print -1,-1,-1 and size 0).
#include "PartFigures.h"

#include <string>
#include <vector>

void printTimeHeader();
void printTimeRow(const PartFigures& figures);
void printSizes(const std::vector<PartFigures>& all);
void printResultLines(const std::vector<PartFigures>& all, const std::string& label, int cores);
