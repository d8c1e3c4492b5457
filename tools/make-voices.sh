#!/usr/bin/env bash
# Generates the game's voice folders under DIR: ENG (English, male), ENR
# (English, robotic), ENW (English, woman), SPA (Spanish, robotic), SPW
# (Spanish, woman), SFX (synthesised sounds, no voice) and NON (no cue files
# at all, so every cue beeps). Every voiced folder also holds the applause,
# which is a sound in all of them. The files are mono, 22050 Hz, 16-bit WAV.
# DIR/.complete is written last; running the script again rebuilds the same
# folders.
#
# Usage: tools/make-voices.sh DIR
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 DIR" >&2
  exit 2
fi
dir=$1

for tool in espeak-ng sox; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$0: '$tool' is missing; install the espeak-ng and sox packages" >&2
    exit 1
  fi
done

cues=(splash RESIGN about goodbye awesome check CAPTURE PAWN KNIGHT BISHOP ROOK QUEEN KING)
format=(-r 22050 -c 1 -b 16)

rm -f "$dir/.complete"
mkdir -p "$dir"/{ENG,ENR,ENW,SPA,SPW,SFX,NON}
rm -f "$dir"/NON/*.wav
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every file is made in the work folder and moved into place whole.
place() {  # place FILE DEST
  mv -f "$1" "$2"
}

# speak VOICE SPEED DEST TEXT: one spoken cue.
speak() {
  local voice=$1 speed=$2 dest=$3 text=$4
  espeak-ng -v "$voice" -s "$speed" -w "$work/raw.wav" -- "$text"
  # Trim the speech engine's silence at both ends, so that "You lost" and
  # the piece's name follow each other closely.
  sox "$work/raw.wav" "${format[@]}" "$work/cue.wav" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse pad 0 0.05 norm -3
  place "$work/cue.wav" "$dest"
}

# English words for each cue (CAPTURE is followed by the piece's cue).
declare -A english=(
  [splash]="Welcome to Brandovex. Let's play chess!"
  [RESIGN]="I resign. Well played."
  [about]="Brandovex. Chess for one player against the computer."
  [goodbye]="Goodbye, and thanks for playing."
  [awesome]="Awesome!"
  [check]="Check!"
  [CAPTURE]="You lost"
  [PAWN]="a pawn."
  [KNIGHT]="a knight."
  [BISHOP]="a bishop."
  [ROOK]="a rook."
  [QUEEN]="your queen."
  [KING]="your king."
)
declare -A spanish=(
  [splash]="Bienvenido a Brandovex. ¡Vamos a jugar al ajedrez!"
  [RESIGN]="Me rindo. Bien jugado."
  [about]="Brandovex. Ajedrez para un jugador contra la computadora."
  [goodbye]="Adiós, y gracias por jugar."
  [awesome]="¡Genial!"
  [check]="¡Jaque!"
  [CAPTURE]="Has perdido"
  [PAWN]="un peón."
  [KNIGHT]="un caballo."
  [BISHOP]="un alfil."
  [ROOK]="una torre."
  [QUEEN]="la dama."
  [KING]="el rey."
)

# voice_folder FOLDER ESPEAK_VOICE SPEED LANGUAGE
voice_folder() {
  local folder=$1 voice=$2 speed=$3 language=$4 cue text
  for cue in "${cues[@]}"; do
    if [ "$language" = en ]; then text=${english[$cue]}; else text=${spanish[$cue]}; fi
    speak "$voice" "$speed" "$dir/$folder/$cue.wav" "$text"
  done
}

voice_folder ENG en+m3 150 en
voice_folder ENR en+robosoft 140 en
voice_folder ENW en+f3 150 en
voice_folder SPA es+robosoft 140 es
voice_folder SPW es+f3 150 es

# tone DEST SYNTH-AND-EFFECTS...: one synthesised sound.
tone() {
  local dest=$1
  shift
  sox -n "${format[@]}" "$work/cue.wav" "$@"
  place "$work/cue.wav" "$dest"
}

# Notes struck one after the other, ringing on: a chime or a little tune.
# arpeggio DEST LENGTH GAP NOTE...
arpeggio() {
  local dest=$1 length=$2 gap=$3
  shift 3
  local plucks=() delays=() i=0 note
  for note in "$@"; do
    plucks+=(pluck "$note")
    delays+=("$(awk -v i="$i" -v g="$gap" 'BEGIN { printf "%.3f", i * g }')")
    i=$((i + 1))
  done
  tone "$dest" synth "$length" "${plucks[@]}" delay "${delays[@]}" remix - \
    fade 0 "$length" 0.2 norm -3
}

sfx=$dir/SFX
arpeggio "$sfx/splash.wav" 1.2 0.15 C5 E5 G5 C6
arpeggio "$sfx/about.wav" 0.8 0.2 A4 E5
arpeggio "$sfx/goodbye.wav" 1.0 0.18 G5 E5 C5
arpeggio "$sfx/awesome.wav" 0.7 0.08 C5 E5 G5 C6 E6
# A falling whistle for a resignation.
tone "$sfx/RESIGN.wav" synth 1.0 sine 660-220 fade 0 1.0 0.3 norm -3
# An alarm for check: two harsh tones, twice.
tone "$work/hi.wav" synth 0.15 square 990 vol 0.4
tone "$work/lo.wav" synth 0.15 square 740 vol 0.4
sox "$work/hi.wav" "$work/lo.wav" "$work/hi.wav" "$work/lo.wav" "${format[@]}" "$work/cue.wav" norm -3
place "$work/cue.wav" "$sfx/check.wav"
# A dull thud for a lost piece.
tone "$sfx/CAPTURE.wav" synth 0.3 brownnoise synth 0.3 sine mix 70 lowpass 300 \
  fade q 0.005 0.3 0.25 norm -3
# A short tone for each piece, higher for the stronger ones.
declare -A pitch=([PAWN]=440 [KNIGHT]=523 [BISHOP]=587 [ROOK]=659 [QUEEN]=784 [KING]=880)
for piece in PAWN KNIGHT BISHOP ROOK QUEEN KING; do
  tone "$sfx/$piece.wav" synth 0.2 sine "${pitch[$piece]}" fade q 0.01 0.2 0.08 norm -6
done

# Applause: two layers of band-passed noise chopped into bursts at different
# rates, so the claps do not fall into one beat.
tone "$work/claps1.wav" synth 2.2 pinknoise band 1800 1400 tremolo 11 100
tone "$work/claps2.wav" synth 2.2 whitenoise band 2600 1800 tremolo 7.3 100
sox -m "$work/claps1.wav" "$work/claps2.wav" "${format[@]}" "$work/applause.wav" \
  fade q 0.2 2.2 0.8 norm -3
for folder in ENG ENR ENW SPA SPW SFX; do
  cp "$work/applause.wav" "$work/cue.wav"
  place "$work/cue.wav" "$dir/$folder/applause.wav"
done

touch "$dir/.complete"
