// The files of a run's two reports in the output folder, named after the command ("zhjmjs" for
// "C:ZHJMJS"): <name>-full.rtf and <name>-short.rtf (RTF documents as the Word output writes them),
// <name>-full.txt and <name>-short.txt (UTF-8 text renderings), and each picture of a report as
// <name>-full-<n>.png or <name>-short-<n>.png, numbered from 1 in report order.
#pragma once

#include <string>

#include "host/app/OutputFiles.h"

class CWordObject;

namespace qelt::app {

// "zhjmjs" for "C:ZHJMJS": the name without its "C:" prefix, in lower case.
std::string ReportFileStem(const std::string& command);

// Makes the output folder when missing; "" on success, otherwise why not (UTF-8).
std::string MakeOutputFolder(const std::string& folder);

// Stages the files among the run's outputs; "" on success, otherwise what could not be written (UTF-8).
std::string StageReportFiles(OutputFiles& files, const std::string& folder, const std::string& stem,
                             const CWordObject& fullReport, const CWordObject& shortReport);

// Removes the report pictures of the command that an earlier run left in the folder and that the
// run's outputs do not hold (a picture numbered beyond the run's last).
void RemoveEarlierPictures(const std::string& folder, const std::string& stem, const OutputFiles& files);

}  // namespace qelt::app
