@echo off
rem Asks for a number: /num lets only digits be typed, and /length=3 at
rem most three of them.
setlocal
set "PATH=%~dp0;%PATH%"
set "answer=%TEMP%\tovask-%RANDOM%.cmd"
Tovask "Age" "set age=$input^" "Your age:" 30 /num /length=3 > "%answer%"
if errorlevel 1 (
  del "%answer%"
  echo No age given.
  exit /b 1
)
call "%answer%"
del "%answer%"
set /a next=age+1
echo Next year you will be %next%.
