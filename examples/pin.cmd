@echo off
rem Asks for a PIN: /num lets only digits be typed, /length=4 at most four.
rem Inside for /f an equals sign needs double quotes around its parameter.
setlocal
set "PATH=%~dp0;%PATH%"
set "pin="
for /f "delims=" %%a in ('Tovask "$input" "PIN:" /num "/length=4"') do (
  set "pin=%%a"
)
if not defined pin (
  echo No PIN given.
  exit /b 1
)
echo PIN: %pin%
