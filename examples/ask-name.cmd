@echo off
rem Asks for a name and keeps it in the variable name. Tovask writes the
rem line  set name=...  into a file of commands, and "call" runs that file.
rem Tovask.exe is looked for beside this script first, then on the PATH.
setlocal
set "PATH=%~dp0;%PATH%"
set "answer=%TEMP%\tovask-%RANDOM%.cmd"
Tovask "Your name" "set name=$input^" "Name:" "Anna" > "%answer%"
if errorlevel 1 (
  del "%answer%"
  echo Cancelled.
  exit /b 1
)
call "%answer%"
del "%answer%"
echo Name: %name%
