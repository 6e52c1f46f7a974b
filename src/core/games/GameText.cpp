#include "games/GameText.h"

#include "document/TVornicGame.h"
#include "document/TextExport.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic {

std::string GameAsText(const TVornicGame& Game) {
  const GameDescriptor* Descriptor = DescriptorOf(Game);
  return Descriptor ? Descriptor->CopyText(Game) : GridAsText(Game);
}

void CopyGameAsText(TVornicGame& Game) {
  if (!Game.Ui) return;
  ClipboardContent Content;
  Content.Text = Game.Codes().Decode(GameAsText(Game));
  Game.Ui->SetClipboard(Content);
}

}  // namespace vornic
