#!/usr/bin/env bash
# The URA file type as a desktop sees it once the package is installed: the
# installed MIME package and desktop entry in a private XDG data folder,
# then xdg-mime on an example (must be application/x-ura+xml) and on a plain
# XML file (must stay application/xml, and not become ours by default).
# Usage: tipo_mime.sh SOURCE_DIR BUILD_DIR. Exit 77 (skipped) without the tools.
set -euo pipefail
fonte=$1
build=$2

for ferramenta in update-mime-database xdg-mime mimetype; do
  if ! command -v "$ferramenta" >/dev/null; then
    # xdg-mime without mimetype (libfile-mimeinfo-perl) falls back to file(1),
    # which knows nothing of the shared MIME database.
    echo "SKIP: $ferramenta not installed (shared-mime-info, xdg-utils, libfile-mimeinfo-perl)"
    exit 77
  fi
done

t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
cmake --install "$build" --prefix "$t/usr" >/dev/null

falha() {
  echo "FAIL: $*"
  exit 1
}

pacote=$t/usr/share/mime/packages/configurador-ura.xml
entrada=$t/usr/share/applications/configurador-ura.desktop
[ -f "$pacote" ] || falha "the MIME package is not installed"
[ -f "$entrada" ] || falha "the desktop entry is not installed"
tipos=$(sed -n 's/^MimeType=//p' "$entrada")
[ "$tipos" = "application/x-ura+xml;" ] || falha "the desktop entry claims '$tipos'"

dados=$t/dados
mkdir -p "$dados/mime/packages" "$dados/applications"
cp /usr/share/mime/packages/freedesktop.org.xml "$pacote" "$dados/mime/packages/"
cp "$entrada" "$dados/applications/"
export XDG_DATA_HOME=$dados XDG_DATA_DIRS=$dados XDG_CONFIG_HOME=$t/config XDG_CONFIG_DIRS=$t/config
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
update-mime-database "$dados/mime"

printf '<?xml version="1.0" encoding="utf-8"?>\n<catalogo><item/></catalogo>\n' >"$t/comum.xml"
for exemplo in "$fonte"/examples/*.xml; do
  tipo=$(xdg-mime query filetype "$exemplo")
  [ "$tipo" = "application/x-ura+xml" ] || falha "$exemplo is '$tipo'"
done
tipo=$(xdg-mime query filetype "$t/comum.xml")
[ "$tipo" = "application/xml" ] || falha "a plain XML file is '$tipo'"

padrao=$(xdg-mime query default application/x-ura+xml)
[ "$padrao" = "configurador-ura.desktop" ] || falha "URA files open with '$padrao'"
padrao=$(xdg-mime query default application/xml)
[ "$padrao" != "configurador-ura.desktop" ] || falha "plain XML files open with the configurator"
echo "ok"
