@echo off
rem Tells OK from Cancel by the exit code: 0 for OK (or the time-out),
rem 1 for Cancel, 255 for a wrong call. "if errorlevel N" holds for N and
rem every higher code, so the highest code is tested first.
setlocal
set "PATH=%~dp0;%PATH%"
Tovask "Backup" "$input" "Back up now?^It starts by itself in 5 seconds." ^
  /timeout=5 > nul
if errorlevel 255 (
  echo Result: error
  exit /b 255
)
if errorlevel 1 (
  echo Result: Cancel
  exit /b 1
)
echo Result: OK
