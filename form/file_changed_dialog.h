#pragma once
// Before 保存 replaces a bay file that has been written since this window opened or last saved
// it (another window, another program): 另存为… keeps it and saves the bay elsewhere (first, and
// what Enter chooses: neither bay is lost), 仍然保存 replaces it all the same, 取消 saves nothing.

#include <string_view>

#include "form/dialog.h"

namespace deckplate::form {

enum class FileChangedControl : int { Question, SaveAs, Save, Cancel };

class FileChangedDialog : public Dialog {
  public:
    enum class Answer { Save, SaveAs, Cancel };

    /// `name`: the bay file's name.
    explicit FileChangedDialog(std::string_view name);
    /// What the engineer chose; 取消 when the dialog was closed or Esc pressed.
    Answer Chosen() const { return answer_; }

  private:
    void OnClicked(int control) override;

    Answer answer_ = Answer::Cancel;
};

}  // namespace deckplate::form
