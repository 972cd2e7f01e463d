#include "engine/variants/VariantStudy.h"

#include "core/Messages.h"
#include "model/KslDoc.h"
#include "persistence/ProjectFile.h"

#include <limits>

namespace quelvan::variants {

namespace {

std::unique_ptr<KslDoc> FromLines(const std::vector<std::string>& lines, const std::string& path)
{
    auto doc = std::make_unique<KslDoc>();
    if (ParseProjectLines(*doc, lines) != Failure::None)
        return nullptr;
    if (!path.empty())
        doc->SetPath(path);
    return doc;
}

} // namespace

std::unique_ptr<KslDoc> CopyProject(const KslDoc& doc)
{
    return FromLines(FormatProjectLines(doc), doc.unnamed ? std::string() : doc.fullPath);
}

void VariantStudy::AddProject(const KslDoc& doc, std::string name)
{
    projects_.push_back({ std::move(name), doc.unnamed ? std::string() : doc.fullPath,
        FormatProjectLines(doc), {} });
}

void VariantStudy::AddProjectFile(const std::string& path)
{
    KslDoc doc;
    ReadError error;
    if (ReadProjectFile(doc, path, &error) != Failure::None) {
        projects_.push_back({ path, path, {}, ReadErrorMessage(error) });
        return;
    }
    doc.SetPath(path);
    AddProject(doc, path);
}

std::size_t VariantStudy::Count() const
{
    const std::size_t product = ProductCount(axes_);
    const std::size_t projects = projects_.size();
    if (projects != 0 && product > std::numeric_limits<std::size_t>::max() / projects)
        return std::numeric_limits<std::size_t>::max();
    return projects * product;
}

VariantChoice VariantStudy::Choice(std::size_t index) const
{
    VariantChoice choice;
    choice.values.assign(axes_.size(), 0);
    // The last axis varies fastest.
    for (std::size_t a = axes_.size(); a-- > 0;) {
        const std::size_t n = axes_[a].values.size();
        choice.values[a] = n == 0 ? 0 : index % n;
        index = n == 0 ? index : index / n;
    }
    choice.project = index;
    return choice;
}

std::unique_ptr<KslDoc> VariantStudy::BaseProject(std::size_t project) const
{
    if (project >= projects_.size() || !projects_[project].error.empty())
        return nullptr;
    return FromLines(projects_[project].lines, projects_[project].path);
}

std::unique_ptr<KslDoc> VariantStudy::Project(std::size_t index, std::string* error) const
{
    const VariantChoice choice = Choice(index);
    if (choice.project >= projects_.size())
        return nullptr;
    const StudyProject& project = projects_[choice.project];
    std::unique_ptr<KslDoc> doc = BaseProject(choice.project);
    if (!doc) {
        if (error != nullptr)
            *error = project.error.empty() ? std::string(msg::kInternalError) : project.error;
        return nullptr;
    }
    // Layer changes first: their numbers are those of the project's own wall.
    for (const bool reversal : { false, true })
        for (std::size_t a = 0; a < axes_.size(); ++a)
            if ((axes_[a].kind == AxisKind::Reversal) == reversal)
                ApplyValue(*doc, axes_[a], axes_[a].values[choice.values[a]]);
    return doc;
}

} // namespace quelvan::variants
