// 文件 → 新建, 打开…, 保存, 另存为…, the files opened last, 工程信息… and closing the window: the
// bay as the window holds it kept in a bay file, the title naming the file and marking unsaved
// changes, 保存/不保存/取消 asked before unsaved changes would be lost, and 另存为/仍然保存/取消
// before a file written since this window opened or saved it is replaced.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "calc/angle_catalogue.h"
#include "calc/number_text.h"
#include "form/bay_file_words.h"
#include "form/file_changed_dialog.h"
#include "form/form1.h"
#include "form/project_info_dialog.h"
#include "form/save_changes_dialog.h"
#include "input/bay_inputs.h"
#include "os/paths.h"
#include "version/deckplate_version.h"

namespace deckplate::form {

using enum Control;

namespace {

// The files opened last, newest first, are remembered as recent1 … recent4.
std::string RecentSetting(std::size_t i) { return "recent" + std::to_string(i + 1); }
// The last project's fields are remembered as project_name, project_number, …
std::string ProjectSetting(const project::ProjectField& field) {
    return "project_" + std::string(field.key);
}

constexpr std::string_view kUntitled = "未命名";

// A bay file's name as a Save dialog proposes it: with the bay files' extension, which the
// dialog then gives a name typed without one.
std::string WithExtension(std::string path) {
    if (os::PathFromUtf8(path).extension().empty()) (path += ".") += project::kBayFileExtension;
    return path;
}

// `path` from the folder the program runs in, its "." parts left out: a file opened last must
// name the same file whatever folder a later run starts in. A ".." stays, as a link before it
// may lead elsewhere than to the folder it names.
std::string WholePath(const std::string& path) {
    std::error_code failure;
    const std::filesystem::path whole = std::filesystem::absolute(os::PathFromUtf8(path), failure);
    if (failure) return path;
    std::filesystem::path tidy;
    for (const std::filesystem::path& part : whole)
        if (part != ".") tidy /= part;
    return os::Utf8Of(tidy);
}

}  // namespace

std::string Form1::BayName() const {
    return filePath_.empty() ? std::string(kUntitled) : os::FileNameOf(filePath_);
}

void Form1::ShowTitle() {
    std::string title = modified_ ? "*" : "";
    ((title += BayName()) += " — ") += kApplicationTitle;
    if (basis_ == DesignBasis::Current)
        (((title += " — ") += BasisNameZh(basis_)) += " ") += GradeName(steel_);
    SetText(Window, std::move(title));
}

void Form1::SetModified(bool modified) {
    if (modified == modified_) return;
    modified_ = modified;
    ShowTitle();
}

bool Form1::ChangesKept() {
    if (!modified_) return true;
    SaveChangesDialog dialog(BayName());
    platform_.RunDialog(dialog);
    switch (dialog.Chosen()) {
        case SaveChangesDialog::Answer::Save:
            return Save_Click();
        case SaveChangesDialog::Answer::Discard:
            return true;
        case SaveChangesDialog::Answer::Cancel:
            break;
    }
    return false;
}

bool Form1::MayClose() {
    if (closeAgreed_ || !ChangesKept()) return closeAgreed_;
    closeAgreed_ = true;  // the view's close that follows asks no more
    return true;
}

void Form1::New_Click() {
    if (!ChangesKept()) return;
    ShowNewBay();
    project_ = RememberedProject();
    filePath_.clear();
    fileStamp_.reset();
    modified_ = false;
    ShowTitle();
}

void Form1::Open_Click() {
    if (!ChangesKept()) return;
    const std::string path = platform_.ChooseOpenFile(FileKindName(project::kBayFileExtension),
                                                      project::kBayFileExtension);
    if (!path.empty()) OpenPath(path);
}

void Form1::OpenBayFile(const std::string& path) {
    if (ChangesKept()) OpenPath(path);
}

void Form1::Recent_Click(std::size_t i) {
    if (i >= recentFiles_.size() || !ChangesKept()) return;
    const std::string path = recentFiles_[i];  // the list changes as it opens
    OpenPath(path);
}

void Form1::OpenPath(const std::string& named) {
    const std::string path = WholePath(named);
    // Taken before the file is read: a write while it is read shows as a change at 保存.
    const std::optional<os::FileStamp> stamp = os::StampOf(os::PathFromUtf8(path));
    project::BayFile file;
    try {
        file = project::ReadBayFile(path);
    } catch (const project::BayFileError& error) {
        platform_.ReportError("无法打开“" + os::FileNameOf(path) + "”：\n" +
                              BayFileProblemWords(error.Problem()));
        // A file that is gone, or now a folder, leaves the list of files opened last.
        const auto fault = error.Problem().fault;
        if (fault == project::BayFileFault::CannotOpen || fault == project::BayFileFault::IsFolder)
            ForgetRecent(path);
        return;
    }
    Restore(file);
    filePath_ = path;
    fileStamp_ = stamp;
    modified_ = false;
    ShowTitle();
    RememberRecent(path);
    platform_.RememberFolderOf(path);  // however it was opened: the file dialogs start there
    RememberProject();
}

void Form1::Restore(const project::BayFile& file) {
    ShowNewBay();
    project_ = file.project;
    const project::SavedBay& bay = file.bay;
    TextEdited(DeadLoad, bay.Text(BayField::Dead));
    TextEdited(LiveLoad, bay.Text(BayField::Live));
    const std::string thickness = bay.Text(BayField::Thickness);
    const auto& items = State(Thickness).items;
    if (const auto item = std::ranges::find(items, thickness); item != items.end())
        ListPicked(Thickness, static_cast<int>(item - items.begin()));
    else
        TextEdited(Thickness, thickness);
    // A thickness typed, not picked from the list, was on show beside an enabled 验算 when the
    // bay was saved from a window.
    if (!Trimmed(thickness).empty()) Enable(VerifyButton);
    TextEdited(Span, bay.Text(BayField::Span));
    TextEdited(Spacing, bay.Text(BayField::Spacing));
    // Set as saved, both ticked too: the window said 请选择其中之一 when they were ticked.
    states_.SetChecked(SimplySupported, bay.simplySupported);
    states_.SetChecked(Continuous, bay.continuous);
    // The flat bar's boxes keep their sizes while an angle is chosen, as they did.
    Clicked(FlatBarChoice);
    TextEdited(FlatBarHeight, bay.flatBarHeight);
    TextEdited(FlatBarThickness, bay.flatBarThickness);
    if (bay.stiffener == project::StiffenerKind::Angle) Clicked(AngleChoice);
    if (const auto position = FindAngle(bay.angle)) ListPicked(AngleSize, *position);
    // The file's words are the window's own: read as its inputs read them.
    BayInput words = input::DefaultBay();
    for (const BayField field : {BayField::Basis, BayField::Steel})
        input::RowOf(field).read(bay.Text(field), {"", field}, words);
    ChooseBasis(words.basis);
    if (basis_ == DesignBasis::Current)
        ChooseSteel(words.steel);
    else
        steel_ = words.steel;  // kept for the current basis, as the menu keeps it
    for (const InputPlace& place : InputPlaces()) ShowPlaceText(place, bay.Text(place.field));
    if (PointLoadShown() != bay.pointLoadChecked) PointLoad_Click();
    TextEdited(PointLoadForce, bay.pointLoad);
    TextEdited(PatchAcross, bay.patchAcross);
    TextEdited(PatchAlong, bay.patchAlong);
    SetResultsCurrent(false);
}

project::SavedBay Form1::SavedBay() const {
    const ControlState& angle = State(AngleSize);
    std::map<BayField, std::string> texts{{BayField::Dead, State(DeadLoad).text},
                                          {BayField::Live, State(LiveLoad).text},
                                          {BayField::Thickness, State(Thickness).text},
                                          {BayField::Span, State(Span).text},
                                          {BayField::Spacing, State(Spacing).text},
                                          {BayField::Basis, std::string(BasisName(basis_))},
                                          {BayField::Steel, std::string(GradeName(steel_))}};
    for (const InputPlace& place : InputPlaces()) texts[place.field] = PlaceText(place);
    return {.texts = std::move(texts),
            .simplySupported = State(SimplySupported).checked,
            .continuous = State(Continuous).checked,
            .stiffener = State(AngleChoice).checked ? project::StiffenerKind::Angle
                                                    : project::StiffenerKind::FlatBar,
            .flatBarHeight = State(FlatBarHeight).text,
            .flatBarThickness = State(FlatBarThickness).text,
            .angle = angle.picked >= 0 ? angle.items[static_cast<std::size_t>(angle.picked)] : "",
            .pointLoadChecked = PointLoadShown(),
            .pointLoad = State(PointLoadForce).text,
            .patchAcross = State(PatchAcross).text,
            .patchAlong = State(PatchAlong).text};
}

bool Form1::Save_Click() { return filePath_.empty() ? SaveAs_Click() : SaveTo(filePath_); }

bool Form1::SaveAs_Click() {
    const std::string path = platform_.ChooseSaveFile(
        WithExtension(filePath_.empty() ? std::string(kUntitled) : filePath_));
    return !path.empty() && SaveTo(path);
}

bool Form1::WrittenSince(const std::string& path) const {
    if (!fileStamp_) return false;
    const std::optional<os::FileStamp> now = os::StampOf(os::PathFromUtf8(path));
    // A file since removed loses nothing when the bay is saved in its place.
    return now && (path == filePath_ || now->identity == fileStamp_->identity) &&
           *now != *fileStamp_;
}

bool Form1::SaveTo(const std::string& chosen) {
    std::string path = WholePath(chosen);
    if (WrittenSince(path)) {
        FileChangedDialog dialog(os::FileNameOf(path));
        platform_.RunDialog(dialog);
        switch (dialog.Chosen()) {
            case FileChangedDialog::Answer::Save:
                break;
            case FileChangedDialog::Answer::SaveAs:
                return SaveAs_Click();
            case FileChangedDialog::Answer::Cancel:
                return false;
        }
    }
    const std::string text = project::BayFileText(
        {.programVersion = DECKPLATE_VERSION, .project = project_, .bay = SavedBay()});
    try {
        platform_.WriteTextFile(path, text, os::TextEncoding::Utf8);
    } catch (const os::FileError& error) {
        // The earlier file stays as it was; the bay can go elsewhere.
        if (!SaveElsewhere(error, path, text, os::TextEncoding::Utf8,
                           WithExtension(os::FileNameOf(path)), "未能保存"))
            return false;
        path = WholePath(path);
    }
    filePath_ = path;
    fileStamp_ = os::StampOf(os::PathFromUtf8(path));
    modified_ = false;
    ShowTitle();
    RememberRecent(path);
    platform_.RememberFolderOf(path);
    RememberProject();
    return true;
}

void Form1::ProjectInfo_Click() {
    ProjectInfoDialog dialog(platform_, project_);
    platform_.RunDialog(dialog);
    if (!dialog.Accepted() || *dialog.Accepted() == project_) return;
    project_ = *dialog.Accepted();
    RememberProject();
    SetModified(true);
}

project::ProjectInfo Form1::RememberedProject() const {
    project::ProjectInfo project;
    for (const project::ProjectField& field : project::ProjectFields())
        project.*(field.field) = platform_.LoadSetting(ProjectSetting(field));
    project.date.clear();  // a new bay is dated when its book is written
    return project;
}

void Form1::RememberProject() {
    for (const project::ProjectField& field : project::ProjectFields())
        platform_.SaveSetting(ProjectSetting(field), project_.*(field.field));
}

void Form1::LoadRecentFiles() {
    recentFiles_.clear();
    bool dropped = false;
    for (std::size_t i = 0; i < std::size(kRecentFiles); ++i) {
        std::string path = platform_.LoadSetting(RecentSetting(i));
        if (path.empty()) continue;
        // Remembered by an earlier version as it was typed ("bay.deckplate"): from which folder
        // is not known, and the folder of this run would open another file of that name.
        if (!os::PathFromUtf8(path).is_absolute()) {
            dropped = true;
            continue;
        }
        recentFiles_.push_back(std::move(path));
    }
    if (dropped)
        SaveRecentFiles();
    else
        ShowRecentFiles();
}

void Form1::RememberRecent(const std::string& path) {
    std::erase(recentFiles_, path);
    recentFiles_.insert(recentFiles_.begin(), path);
    if (recentFiles_.size() > std::size(kRecentFiles)) recentFiles_.resize(std::size(kRecentFiles));
    SaveRecentFiles();
}

void Form1::ForgetRecent(const std::string& path) {
    std::erase(recentFiles_, path);
    SaveRecentFiles();
}

void Form1::SaveRecentFiles() {
    for (std::size_t i = 0; i < std::size(kRecentFiles); ++i)
        platform_.SaveSetting(RecentSetting(i), i < recentFiles_.size() ? recentFiles_[i] : "");
    ShowRecentFiles();
}

void Form1::ShowRecentFiles() {
    for (std::size_t i = 0; i < std::size(kRecentFiles); ++i) {
        const bool listed = i < recentFiles_.size();
        // "&1 D:\平台\3#.deckplate": the digit is the item's access key, and an "&" of the path
        // is written twice to show as itself.
        std::string caption;
        if (listed) {
            ((caption = "&") += std::to_string(i + 1)) += ' ';
            for (const char c : recentFiles_[i]) (caption += c) += c == '&' ? "&" : "";
        }
        menus_.SetText(kRecentFiles[i], std::move(caption));
        menus_.SetVisible(kRecentFiles[i], listed);
    }
}

}  // namespace deckplate::form
