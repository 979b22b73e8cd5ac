# Sourced by the scripts: installs the Debian packages named that are not
# installed yet (apt-get update only when something is missing).
instala_faltando() {
  local faltam=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      faltam+=("$p")
    fi
  done
  [ ${#faltam[@]} -eq 0 ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Instalando pacotes: ${faltam[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltam[@]}" >/dev/null
}
