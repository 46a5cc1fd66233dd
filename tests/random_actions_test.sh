#!/usr/bin/env bash
# A few hundred random actions on the real window, as an impatient user would try it: clicks
# anywhere, typed text (Chinese, huge and negative numbers, junk), Tab, arrows, Enter, Escape,
# Verify and report presses, message boxes dismissed, 自动选型 and 批量验算 opened from the
# keyboard and tried at random, and now and then another menu item chosen from the keyboard:
# 设置 → 集中荷载验算 (which shows or hides the point-load group, whose boxes are then typed into
# and read like the others), either 计算依据, 关于, 文件 → 新建, 打开 and 工程信息, and in the Qt
# window 保存 and 导出计算书; 保存更改, asked before unsaved changes go, is closed with Esc. Fails on a
# crash, a sanitizer report, a hang, "inf" or "nan" in a result box or the report, or a report
# file that goes missing or is cut short once written. Both editions' windows have the same form
# and the same controls; the test runs either:
#   random_actions_test.sh qt DECKPLATE LEAK_SUPPRESSIONS   the Qt window (sanitizer build)
#   random_actions_test.sh wine WINE64 DECKPLATE.EXE        the Windows window, in the Wine
#                                                            prefix $WINEPREFIX
# The seed makes a failing run repeatable: SEED=… ACTIONS=… $0 EDITION …. Each run starts with
# the program's remembered choices (the basis, the point load) cleared, and leaves them as it
# found them.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
edition="$1"
seed="${SEED:-20261207}"
actions="${ACTIONS:-300}"

# Its own virtual display, unless it runs on one already (cmake/windows/on_virtual_display.sh):
# 1366 × 768, the smallest laptop screen the window is laid out for, every group on.
if [ -z "${DECKPLATE_VIRTUAL_DISPLAY:-}" ]; then
  DECKPLATE_VIRTUAL_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
fi

work=$(mktemp -d)
log="$work/actions.log"
RANDOM=$seed
title='平台钢铺板计算'  # each message box's; the window's is $main_window

# What differs between the editions: how the program starts (start_program, in the background),
# where its report lands, which windows are its viewer's (closed as they appear, so that they
# do not pile up; never taken for a message box, which has the window's title), and where its
# choices are remembered: a home of this test (Qt), or the prefix's registry, whose key is kept
# aside during the run (Windows).
case $edition in
qt)
  program="$2" suppressions="$3"
  mkdir -p "$work/home/Documents" "$work/bin"  # a book exported goes to the documents
  printf '#!/bin/sh\nexit 0\n' > "$work/bin/xdg-open"  # the viewer: nothing to look at here
  chmod +x "$work/bin/xdg-open"
  report="$work/home/d/WExo.txt"  # ~/d stands for drive D:
  viewer=""
  writes_documents=1 book="$work/home/Documents/钢平台计算书.html"
  bay_file="$work/home/Documents/未命名.deckplate"  # where 保存 puts a bay never saved
  start_program() {
    HOME="$work/home" PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work" \
      ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=1" \
      LSAN_OPTIONS="suppressions=$suppressions" \
      "$program" 2>>"$work/stderr" &
  }
  end_edition() { :; }
  ;;
wine)
  wine64="$2" program="$3"
  : "${WINEPREFIX:?the Wine prefix to run in}"
  drive_d="$WINEPREFIX/dosdevices/d:"  # drive D: is a folder of this test
  mkdir "$work/d"
  rm -f "$drive_d"
  ln -s "$work/d" "$drive_d"
  report="$work/d/WExo.txt"
  viewer='^WExo\.txt - '  # Notepad, titled with the file's name
  # No 保存 or 导出计算书: the prefix's documents folder is the Linux home, where a file saved
  # by a stray Return in its Save dialog would stay (and the Linux desktop's browser would open
  # a book).
  writes_documents=0 book="" bay_file=""
  start_program() { "$wine64" "$program" 2>>"$work/stderr" & }
  settings='HKCU\Software\DeckPlate'
  kept_settings=$(windows_path "$work/settings.reg")
  "$wine64" reg export "$settings" "$kept_settings" /y >/dev/null 2>&1 || kept_settings=""
  "$wine64" reg delete "$settings" /f >/dev/null 2>&1 || true
  end_edition() {
    rm -f "$drive_d"
    "$wine64" reg delete "$settings" /f >/dev/null 2>&1 || true
    [ -z "$kept_settings" ] || "$wine64" reg import "$kept_settings" >/dev/null 2>&1 ||
      echo "the prefix's $settings could not be restored from $kept_settings"
  }
  ;;
*)
  echo "usage: $0 qt DECKPLATE LEAK_SUPPRESSIONS | wine WINE64 DECKPLATE.EXE" >&2
  exit 2
  ;;
esac
trap 'kill "${pid:-}" 2>/dev/null || true; end_edition; rm -rf "$work"' EXIT

fail() {  # the helpers' own, with the seed and the last actions
  xdpyinfo >/dev/null 2>&1 || echo "(the X server is gone)"
  echo "FAIL (seed $seed): $*"
  echo "last actions:"; tail -n 15 "$log"
  [ -s "$work/stderr" ] && { echo "program's standard error:"; tail -n 40 "$work/stderr"; }
  exit 1
}

# An action's calls may meet a window that has just gone (Exit was clicked): alive() decides.
x() { xdotool "$@" 2>/dev/null || true; }
start() {
  start_program
  pid=$!
  window=$(find_window "$main_window") || fail "the window did not appear"
  x windowfocus --sync "$window"
  group_shown=0
  place_form
  echo "start: window $window, form at $form_top" >> "$log"
}

# The form (543 × 465 pixels at 96 dpi) fills the window below its menu bar, on the left. The
# optional groups stand to its right, from its top down, and make the window 1080 pixels wide:
# the shear and weld groups (current basis, 238 pixels tall with their gaps), then the point-load
# group. Under
# the legacy basis a wide window shows the point-load group; under the current basis (its title
# says so) the shear group is always there, and the point-load group is there when its force
# box is: white where the window's background would be. Read before every action, as a menu
# item or a click on it may show or hide a group.
form_width=543 column=545
place_form() {
  local was=$group_shown shear=0 pixel
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || true
  form_top=$((HEIGHT - 465)) buttons=444 group_shown=0
  if [[ $(xdotool getwindowname "$window" 2>/dev/null) == *现行规范* ]]; then
    shear=238
    pixel=$(import -window "$window" -crop "1x1+$((column + 115))+$((form_top + shear + 29))" \
              -depth 8 txt:- 2>/dev/null | tail -n 1)
    [[ $pixel != *"#FFFFFF"* ]] || group_shown=1
  elif ((WIDTH > form_width + 100)); then
    group_shown=1
  fi
  shear_shown=$((shear > 0))
  # The point-load group stands below the shear group: its force and patch, then its results,
  # with the stiffener's shear under the current basis.
  local top=$((8 + shear)) x=$((column + 132))
  point_load_inputs=("$x $((top + 24))" "$((x + 160)) $((top + 24))" "$((x + 218)) $((top + 24))")
  point_load_results=("$x $((top + 46))" "$((x + 168)) $((top + 46))" "$x $((top + 68))"
                      "$((x + 168)) $((top + 68))")
  ((shear == 0)) || point_load_results+=("$x $((top + 90))" "$((x + 168)) $((top + 90))")
  ((group_shown == was)) || echo "point-load group $( ((group_shown)) && echo shown || echo hidden)" >> "$log"
}

# Ends the run if the program is gone: a clean exit (Exit clicked) starts it again.
alive() {
  kill -0 "$pid" 2>/dev/null && return 0
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  start
}

sanitizer_clean() {
  ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/stderr" 2>/dev/null ||
    fail "sanitizer report"
}

shown_boxes() {  # the message boxes on show: windows with the window's title, but not it
  xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | grep -vx "$window" || true
}

# Every message box is dismissed with Return, as a user would, once after each action. Under
# Wine a Return often does not reach a box that has the X focus: Wine has not made it its active
# window yet (a few actions later it has), or it still counts a viewer closed a moment ago as
# the foreground. From the third try on the box's OK button (one button, centred at the bottom)
# is clicked too, as a user would when the keyboard does nothing. A box that outlives 25 tries
# is a fault, and the test says whose: the keys and clicks reached it and it stayed (the
# program's), or the focus never reached it (the window system's).
declare -A box_tries=()
dismiss_boxes() {
  local box focus width height
  for box in $(shown_boxes); do
    echo "dismiss box $box" >> "$log"
    x windowfocus "$box"
    sleep 0.05
    focus=$(xdotool getwindowfocus 2>/dev/null || true)
    x key Return
    sleep 0.1
    if shown_boxes | grep -qx "$box" && [ "${box_tries[$box]:-0}" -ge 2 ]; then
      read -r width height < <(xdotool getwindowgeometry "$box" 2>/dev/null |
        awk '/Geometry:/ { split($2, size, "x"); print size[1], size[2] }') || true
      [ -n "${height:-}" ] && x mousemove --window "$box" $((width / 2)) $((height - 22)) click 1
      sleep 0.1
    fi
    shown_boxes | grep -qx "$box" || continue
    box_tries[$box]=$((${box_tries[$box]:-0} + 1))
    echo "box $box still shown after try ${box_tries[$box]} (focus on $focus)" >> "$log"
    [ "${box_tries[$box]}" -lt 25 ] && continue
    if [ "$focus" = "$box" ]; then
      fail "message box $box had the focus and stayed after 25 Returns and clicks on its button: the program did not close it"
    fi
    fail "message box $box never got the focus (it stayed on window $focus) in 25 tries: the window system kept it away, not the program"
  done
  x windowfocus "$window"
}

# The window's own dialogs and the system's file dialogs that an action left open close with
# Esc, as a user would close them. Under Wine an Esc often goes by: the Open dialog of a program
# with common controls 6 lets the first one pass, and a message box just clicked away keeps the
# keyboard for a moment. So from the third try the dialog's bottom-right button (关 闭, or the
# file dialog's Cancel) is clicked too, as a user would. One that outlives 25 tries is a fault.
dialogs='^(自动选型|批量验算|写计算书|打开排表|选择写入计算书的文件夹|保存更改|打开铺板计算文件|工程信息|Save As|另存为)$'
declare -A dialog_tries=()
close_dialogs() {  # true when there was one to close
  local shown width height none=1
  for shown in $(xdotool search --onlyvisible --name "$dialogs" 2>/dev/null); do
    none=0
    echo "close dialog $shown ($(xdotool getwindowname "$shown" 2>/dev/null))" >> "$log"
    x windowfocus "$shown"
    sleep 0.05
    x key Escape
    sleep 0.1
    if xdotool search --onlyvisible --name "$dialogs" 2>/dev/null | grep -qx "$shown" &&
      [ "${dialog_tries[$shown]:-0}" -ge 2 ]; then
      read -r width height < <(xdotool getwindowgeometry "$shown" 2>/dev/null |
        awk '/Geometry:/ { split($2, size, "x"); print size[1], size[2] }') || true
      [ -n "${height:-}" ] && x mousemove --window "$shown" $((width - 60)) $((height - 22)) click 1
      sleep 0.2
    fi
    xdotool search --onlyvisible --name "$dialogs" 2>/dev/null | grep -qx "$shown" || continue
    dialog_tries[$shown]=$((${dialog_tries[$shown]:-0} + 1))
    [ "${dialog_tries[$shown]}" -lt 25 ] || fail "dialog $shown stayed open after 25 presses of Esc"
  done
  return $none
}

# A few random keys and texts in the dialog that has just opened, if one has.
try_dialog() {
  local shown n
  for _ in $(seq 10); do
    shown=$(xdotool search --onlyvisible --name "$dialogs" 2>/dev/null | head -n 1) && [ -n "$shown" ] && break
    sleep 0.1
  done
  [ -n "$shown" ] || return 0
  x windowfocus "$shown"
  for ((n = RANDOM % 8; n >= 0; n--)); do
    if ((RANDOM % 3 == 0)); then
      t=${texts[RANDOM % ${#texts[@]}]}; echo "  type '$t'" >> "$log"; x type --delay 5 -- "$t"
    else
      k=${dialog_keys[RANDOM % ${#dialog_keys[@]}]}; echo "  key $k" >> "$log"; x key "$k"
    fi
    sleep 0.05
    dismiss_boxes
  done
}

# The viewer's windows (Notepad) close as they open: no window of it is kept.
close_viewers() {
  [ -n "$viewer" ] || return 0
  local shown
  for shown in $(xdotool search --name "$viewer" 2>/dev/null); do
    echo "close viewer $shown" >> "$log"
    x windowkill "$shown"
  done
}

click_window() {  # x y, in the window's pixels
  x mousemove --window "$window" "$1" "$2" click 1
}
click() {  # x y, in the form's pixels
  click_window "$1" $(($2 + form_top))
}

# What a result box holds, copied out as a user would; fails when nothing answers. (It runs in a
# command substitution, where `fail` could not end the test: its caller decides.)
box_text() {
  click "$1" "$2"
  x key ctrl+a ctrl+c
  timeout 5 xclip -o -selection clipboard 2>/dev/null
}

# The copy found no answer: a program that ended meanwhile (a random click on 退 出 just before)
# ends this start, and the next begins; a viewer that opened over the window took the click
# (the report's Notepad starts a moment after 计 算 书); a program that is still there hangs.
no_answer() {
  if [ -n "$viewer" ] && [ -n "$(xdotool search --name "$viewer" 2>/dev/null)" ]; then
    echo "a viewer opened over the window during the read" >> "$log"
    close_viewers
    return 0
  fi
  # A dialog still open (its Esc went by) holds the window: the next action closes it.
  if [ -n "$(xdotool search --onlyvisible --name "$dialogs" 2>/dev/null)" ]; then
    echo "a dialog held the window during the read" >> "$log"
    return 0
  fi
  for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "no answer from the window (hang?)"
  echo "ended before the read: a click on 退 出" >> "$log"
  alive
}

# Centres of controls in the form's pixels (the layout at 96 dpi): the inputs, the two lists,
# the option and boundary boxes, the six result boxes; the point-load group's three inputs and
# four result boxes; and the x of the Verify, report and Exit buttons (their y: $buttons).
inputs=("144 33" "144 61" "284 61" "284 86" "416 65" "416 85")
lists=("284 33" "432 104")
choices=("336 48" "392 48" "40 96" "40 113")
result_boxes=("128 168" "304 168" "456 168" "132 264" "308 264" "476 264")
# The result boxes of the shear group (the live-load deflection, the shear, the outstand and its
# limit) and of the weld group below it (current basis), right of the form; the point-load
# group's boxes, which stand below them, are placed by place_form.
shear_results=("677 32" "677 54" "845 54" "997 54" "677 181")
verify_x=92 report_x=268 exit_x=485

# Menu items chosen from the keyboard, by their access keys (a choice of the 计算依据 submenu,
# which has none, by its place), 集中荷载验算 more often than the rest; 保存 and 导出计算书 last,
# where the edition writes into its documents. 导出计算书 is greyed until a Verify has run to its
# end, and then leaves its menu open: two Escapes close the menu, or the Save dialog. The Qt Save
# dialog often opens after them; it has the window's title, so dismiss_boxes takes it for a
# message box and its Return saves the book (or the bay) in the test's documents, where none is
# left from before (the dialog would ask whether to replace it, and a Return answers no).
menu_names=(集中荷载验算 集中荷载验算 集中荷载验算 计算依据：原规范 计算依据：现行规范 关于 新建 打开
            工程信息 保存 导出计算书)
menu_keys=("alt+s p" "alt+s p" "alt+s p" "alt+s b Return" "alt+s b Down Return" "alt+h a"
           "alt+f n" "alt+f o" "alt+f i" "alt+f s" "alt+f e Escape Escape")

texts=("1" "2" "2.5" "600" "1500" "2000" "80" "8" "-3" "0" "" " " "1e308" "1e999" "-1e-320"
       "99999999999999999999" "0.000001" "abc" "1,5" "１２" "钢板" "😀" "nan" "inf" "-0")
keys=(Tab shift+Tab Up Down Left Right Return Escape space BackSpace ctrl+a Home End)
dialog_keys=(Tab Tab Tab shift+Tab Up Down Down Return Return space Escape)
pick() { local n; for ((n = RANDOM % 8; n >= 0; n--)); do echo "$1"; done; }
# A bay that computes, as a user would enter it before trying anything else; with the
# point-load group on show, the point load it proposes too (1.5 kN on 200 × 200 mm).
enter_bay() {
  local at value values=("1" "2" "1500" "600")
  for at in 0 1 2 3; do
    click ${inputs[at]}; x key ctrl+a; x type --delay 5 -- "${values[at]}"
  done
  click ${lists[0]}; x key Down Down
  ((group_shown)) || return 0
  values=("1.5" "200" "200")
  for at in 0 1 2; do
    click ${point_load_inputs[at]}; x key ctrl+a; x type --delay 5 -- "${values[at]}"
  done
}

report_size=0
check_report() {
  [ "$report_size" -gt 0 ] || [ -f "$report" ] || return 0
  [ -f "$report" ] || fail "the report file is gone"
  local size; size=$(stat -c %s "$report")
  local tail_text; tail_text=$(iconv -f GBK -t UTF-8 "$report" | tail -n 1)
  # The stiffener's strength, or under the current basis the weld's detailing; with 集中荷载验算
  # the point load's strength, or under the current basis its weld: a whole verdict line.
  case "$tail_text" in
    提示：加劲肋强度满足要求|提示：★加劲肋强度超出限值*) ;;
    提示：焊缝构造满足要求|提示：★*须修改) ;;
    提示：加劲肋集中荷载强度满足要求|提示：★加劲肋集中荷载强度超出限值*) ;;
    提示：焊缝集中荷载强度满足要求|提示：★焊缝集中荷载应力超出限值*) ;;
    *) fail "the report is cut short: its last line is '$tail_text'" ;;
  esac
  ! grep -qiE 'inf|nan' <(iconv -f GBK -t UTF-8 "$report") || fail "inf or nan in the report"
  report_size=$size
}

start
for ((i = 1; i <= actions; i++)); do
  place_form
  case $((RANDOM % 16)) in
    0) cx=$((RANDOM % WIDTH)); cy=$((RANDOM % HEIGHT)); echo "$i click $cx $cy" >> "$log"
       click_window "$cx" "$cy" ;;
    1|2) boxes=("${inputs[@]}")
         ((group_shown)) && boxes+=("${point_load_inputs[@]}")
         n=$((RANDOM % ${#boxes[@]})); at=${boxes[n]}; t=${texts[RANDOM % ${#texts[@]}]}
         echo "$i type '$t' at $at$( ((n >= ${#inputs[@]})) && echo ' (point-load group)')" >> "$log"
         click $at; x key ctrl+a; x type --delay 5 -- "$t" ;;
    3) t=${texts[RANDOM % ${#texts[@]}]}; echo "$i type '$t'" >> "$log"; x type --delay 5 -- "$t" ;;
    4) k=${keys[RANDOM % ${#keys[@]}]}; echo "$i key $k" >> "$log"; x key "$k" ;;
    5) at=${lists[RANDOM % ${#lists[@]}]}; echo "$i pick at $at" >> "$log"
       click $at; x key $(pick Down) ;;
    6) at=${choices[RANDOM % ${#choices[@]}]}; echo "$i choose $at" >> "$log"; click $at ;;
    7|8) echo "$i verify" >> "$log"; click $verify_x $buttons ;;
    9) echo "$i report" >> "$log"; click $report_x $buttons ;;
    10) echo "$i verify and report" >> "$log"; click $verify_x $buttons; dismiss_boxes
        click $report_x $buttons ;;
    12) echo "$i enter a bay$( ((group_shown)) && echo ' (point-load group)')" >> "$log"
        enter_bay ;;
    13) echo "$i 自动选型" >> "$log"; x key alt+t a; sleep 0.2; dismiss_boxes; try_dialog ;;
    14) echo "$i 批量验算" >> "$log"; x key alt+f b; try_dialog ;;
    15) n=$((RANDOM % (${#menu_keys[@]} - 2 + 2 * writes_documents))); echo "$i menu ${menu_names[n]}" >> "$log"
        [ "${menu_names[n]}" != 导出计算书 ] || rm -f "$book"
        [ "${menu_names[n]}" != 保存 ] || rm -f "$bay_file"
        x key ${menu_keys[n]}; sleep 0.2 ;;
    # The result boxes take typing like any text box ("nan" typed there is the user's): each is
    # set to a blank first, as the window starts them, so that after a Verify that ran to its end
    # it holds what it computed, and after a click on a greyed 验算 the blank.
    11) echo "$i verify, then read results" >> "$log"
        close_viewers
        boxes=("${result_boxes[@]}")
        ((shear_shown)) && boxes+=("${shear_results[@]}")
        ((group_shown)) && boxes+=("${point_load_results[@]}")
        # A message box an earlier action left up (Wine lets some outlive their Return) would
        # take the blanks' keys: then nothing is read.
        if [ -n "$(shown_boxes)" ]; then
          echo "$i a message box is up: results not read" >> "$log"
        else
          for ((n = 0; n < ${#boxes[@]}; n++)); do click ${boxes[n]}; x key ctrl+a space; done
          click $verify_x $buttons; sleep 0.1; alive
        fi
        if [ -n "$(shown_boxes)" ]; then
          echo "$i verify stopped: results not read" >> "$log"
        else
          for ((n = 0; n < ${#boxes[@]}; n++)); do
            alive
            t=$(box_text ${boxes[n]}) || { no_answer; break; }
            ((n < ${#result_boxes[@]})) || echo "  read '$t' (a group's)" >> "$log"
            ! grep -qiE 'inf|nan' <<<"$t" || fail "'$t' in a result box"
          done
        fi ;;
  esac
  sleep 0.02
  alive
  dismiss_boxes
  # A message box that a dialog's Esc or button brought up goes too.
  close_dialogs && dismiss_boxes
  close_viewers
  alive
  sanitizer_clean
  check_report
done

# The end: Exit must end the program at once, and the leak check runs as it ends. A message
# box of the last action may open late: it is dismissed and Exit clicked again.
for _ in 1 2 3; do
  dismiss_boxes
  close_dialogs || true
  close_viewers
  place_form
  click $exit_x $buttons
  # Unsaved changes are asked for: 不保存.
  asked=$(find_window '保存更改' 2>/dev/null) && { x windowfocus "$asked"; x key alt+n; }
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null || break
done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program (hang?)"
status=0; wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
sanitizer_clean
echo "$actions random actions (seed $seed; $(grep -c '^start' "$log") starts, \
$(grep -c '^dismiss' "$log") message boxes ($(grep -c 'still shown after try' "$log") tries \
in vain), $(grep -c '^close dialog' "$log") dialogs closed, $(grep -c '^close viewer' "$log") viewer windows, \
report $( [ -f "$report" ] && echo written || echo never written); point-load group shown \
$(grep -c '^point-load group shown' "$log") times, typed into $(grep -c '^[0-9].*(point-load group)$' "$log") times, \
$(grep -c "^  read '.*[0-9].*(point-load group)$" "$log") values read from its results, \
$(grep -c ' menu ' "$log") menu items chosen):" \
  "no crash, hang, inf, nan or lost report"
