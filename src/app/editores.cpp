#include "editores.h"

#include <QDialog>

#include "UfrmMenuUra.h"
#include "dac.h"
#include "menuura.h"
#include "plataforma.h"

namespace {
// The editor as the main window prepares it: settings, the document's menu
// list, the menu (or an empty one).
bool ExecutaEditorMenu(TfrmMenuUra& Editor, TListaMenuUra* Lista, const TMenuUra* Menu) {
  Editor.LeConfiguracao();
  Editor.lstMenuUra = Lista;
  Editor.CarregaMenu(Menu);
  Editor.RefreshTelaMenu();
  return ExecutaDialogo(&Editor) == QDialog::Accepted;
}
}  // namespace

std::unique_ptr<TMenuUra> CriaMenuNoEditor(QWidget* Pai, const TContextoEditor& Ctx, TListaMenuUra* Lista) {
  TfrmMenuUra editor(Ctx, Pai);
  if (!ExecutaEditorMenu(editor, Lista, nullptr)) return nullptr;
  auto menu = std::make_unique<TMenuUra>(Ctx.Dac, QString());
  menu->CopyFrom(editor.MenuUra.get());
  return menu;
}

bool EditaMenuNoEditor(QWidget* Pai, const TContextoEditor& Ctx, TListaMenuUra* Lista, TMenuUra* Menu) {
  TfrmMenuUra editor(Ctx, Pai);
  if (!ExecutaEditorMenu(editor, Lista, Menu)) return false;
  Menu->CopyFrom(editor.MenuUra.get());
  return true;
}
