@echo off
rem Asks for a folder. A parameter cannot hold a double quote, so the
rem template has two apostrophes for each: Tovask writes  set "folder=..."
rem and the quotes keep spaces, ampersands and brackets in the answer safe.
setlocal
set "PATH=%~dp0;%PATH%"
set "answer=%TEMP%\tovask-%RANDOM%.cmd"
Tovask "Folder" "set ''folder=$input''^" "Folder to use:" "%USERPROFILE%" ^
  > "%answer%"
if errorlevel 1 (
  del "%answer%"
  echo Cancelled.
  exit /b 1
)
call "%answer%"
del "%answer%"
echo Folder: "%folder%"
