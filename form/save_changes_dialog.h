#pragma once
// Before a bay with unsaved changes is closed, replaced by a new one or by a file opened: 保存,
// 不保存 or 取消, as every desktop program asks.

#include <string_view>

#include "form/dialog.h"

namespace deckplate::form {

enum class SaveChangesControl : int { Question, Save, Discard, Cancel };

class SaveChangesDialog : public Dialog {
  public:
    enum class Answer { Save, Discard, Cancel };

    /// `name`: the bay's file name, or 未命名 for a bay never saved.
    explicit SaveChangesDialog(std::string_view name);
    /// What the engineer chose; 取消 when the dialog was closed or Esc pressed.
    Answer Chosen() const { return answer_; }

  private:
    void OnClicked(int control) override;

    Answer answer_ = Answer::Cancel;
};

const DialogTable& SaveChangesDialogTable();

}  // namespace deckplate::form
