@echo off
rem Asks for a password: /pass hides each typed character, and for /f
rem reads the answer without a file that would hold it.
setlocal
set "PATH=%~dp0;%PATH%"
set "password="
for /f "delims=" %%a in ('Tovask "Log in" "$input" "Password:" /pass') do (
  set "password=%%a"
)
if not defined password (
  echo No password given.
  exit /b 1
)
rem Shown here only to show the recipe at work: a real script passes it on.
echo Password: %password%
