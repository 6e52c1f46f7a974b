#include "games/GameText.h"

#include "document/TVornicGame.h"
#include "document/TextExport.h"
#include "games/jumble/JumbleText.h"

namespace vornic {

std::string GameAsText(const TVornicGame& Game) {
  if (Game.GameName == "JumbledUp") return JumbleAsText(Game);
  return GridAsText(Game);
}

void CopyGameAsText(TVornicGame& Game) {
  if (!Game.Ui) return;
  ClipboardContent Content;
  Content.Text = Game.Codes().Decode(GameAsText(Game));
  Game.Ui->SetClipboard(Content);
}

}  // namespace vornic
