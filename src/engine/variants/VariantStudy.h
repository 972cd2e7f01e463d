#pragma once

#include "engine/variants/VariantSweep.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace quelvan {
class KslDoc;
}

namespace quelvan::variants {

// A project of a study, kept as the lines of its file so that every variant is built afresh
// from it (on any thread) and is exactly what that file would read as.
struct StudyProject {
    std::string name; // as the outputs show it: the file name as given, or a label
    std::string path; // where the project lives (its folder holds weather files); empty if none
    std::vector<std::string> lines;
    std::string error; // why the file did not read; its variants carry the message
};

// Which project and which value of each axis a variant takes.
struct VariantChoice {
    std::size_t project = 0;
    std::vector<std::size_t> values; // one position per axis
};

// A variant study: projects (files given one by one, or one project to sweep) and the axes of
// the sweep, applied alike to every project. Variant i takes project i / P and, within it, the
// axes' values as digits of a product whose first axis varies slowest (P the product's size).
class VariantStudy {
public:
    // A project as it stands in memory (the desktop's current one, a generated variant).
    void AddProject(const KslDoc& doc, std::string name);
    // A project file; one that does not read is kept with its message.
    void AddProjectFile(const std::string& path);
    void SetAxes(std::vector<SweepAxis> axes) { axes_ = std::move(axes); }

    const std::vector<StudyProject>& Projects() const { return projects_; }
    const std::vector<SweepAxis>& Axes() const { return axes_; }
    // Projects × the product of the axes (saturating).
    std::size_t Count() const;
    VariantChoice Choice(std::size_t index) const;
    // The project of a variant: its project's lines read, then each axis' value made. Null, with
    // the project's read message in *error, when its file did not read.
    std::unique_ptr<KslDoc> Project(std::size_t index, std::string* error = nullptr) const;
    // A study project as it is, without the axes' changes; null when its file did not read.
    std::unique_ptr<KslDoc> BaseProject(std::size_t project) const;

private:
    std::vector<StudyProject> projects_;
    std::vector<SweepAxis> axes_;
};

// A separate project holding the same data (its lines written and read back) and path.
std::unique_ptr<KslDoc> CopyProject(const KslDoc& doc);

} // namespace quelvan::variants
