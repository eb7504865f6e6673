# Shared by run.sh and test.sh: installs the Debian packages the build needs
# when any is missing.
installe_paquets() {
    local manquants=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installation de : ${manquants[*]}" >&2
    $sudo apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${manquants[@]}" >&2
}

PAQUETS_BASE=(g++ make cmake libntl-dev libgmp-dev)
