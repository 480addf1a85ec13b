import tkinter as tk
import time
import threading
from tkinter import messagebox

class Quillform:
    def __init__(self, 启动窗口):
        self.点击记录 = False
        self.启动窗口 = 启动窗口
        self.启动窗口.title('Quillform_DesignWindow')
        self.启动窗口.resizable(width=False, height=False)
        screenwidth = self.启动窗口.winfo_screenwidth()
        screenheight = self.启动窗口.winfo_screenheight()
        size = '%dx%d+%d+%d' % (340, 220, (screenwidth - 340) / 2, (screenheight - 220) / 2)
        self.启动窗口.geometry(size)
        
        self.编辑框1_内容 = tk.StringVar()
        self.编辑框1_内容.set('你好')
        self.编辑框1 = tk.Entry(self.启动窗口,textvariable=self.编辑框1_内容,justify=tk.LEFT, font=('微软雅黑', 9))
        self.编辑框1.place(x=16,y=88,width=120,height=20)
        
        self.编辑框2_滚动条_纵 = tk.Scrollbar(self.启动窗口)
        self.编辑框2_滚动条_纵.place(x=92,y=20,width=18,height=60)
        self.编辑框2 = tk.Text(self.启动窗口,yscrollcommand=self.编辑框2_滚动条_纵.set,wrap=tk.NONE, font=('微软雅黑', 9))
        self.编辑框2_滚动条_纵.config(command=self.编辑框2.yview)
        self.编辑框2.insert(tk.END,'a\nb')
        self.编辑框2.config(state='disabled')
        self.编辑框2.place(x=10,y=20,width=82,height=60)
        
        self.编辑框3_滚动条_横 = tk.Scrollbar(self.启动窗口,orient=tk.HORIZONTAL)
        self.编辑框3_滚动条_横.place(x=130,y=62,width=100,height=18)
        self.编辑框3 = tk.Text(self.启动窗口,xscrollcommand=self.编辑框3_滚动条_横.set,wrap=tk.NONE, font=('微软雅黑', 9))
        self.编辑框3_滚动条_横.config(command=self.编辑框3.xview)
        self.编辑框3.insert(tk.END,'横')
        self.编辑框3.place(x=130,y=20,width=100,height=42)
        
        self.编辑框4_滚动条_横 = tk.Scrollbar(self.启动窗口,orient=tk.HORIZONTAL)
        self.编辑框4_滚动条_横.place(x=10,y=142,width=100,height=18)
        self.编辑框4_滚动条_纵 = tk.Scrollbar(self.启动窗口)
        self.编辑框4_滚动条_纵.place(x=92,y=100,width=18,height=60)
        self.编辑框4 = tk.Text(self.启动窗口,yscrollcommand=self.编辑框4_滚动条_纵.set,xscrollcommand=self.编辑框4_滚动条_横.set,wrap=tk.NONE, font=('微软雅黑', 9))
        self.编辑框4_滚动条_纵.config(command=self.编辑框4.yview)
        self.编辑框4_滚动条_横.config(command=self.编辑框4.xview)
        self.编辑框4.insert(tk.END,'ab\nc\'d')
        self.编辑框4.place(x=10,y=100,width=82,height=42)
        self.编辑框4.bind('<Button-1>',self.编辑框4_被鼠标左键按下)
        self.编辑框4.bind('<ButtonRelease-1>',lambda event: self.编辑框4_被鼠标左键单击(),'+')
        
        self.编辑框5 = tk.Text(self.启动窗口,wrap=tk.NONE, font=('微软雅黑', 9))
        self.编辑框5.insert(tk.END,'无')
        self.编辑框5.config(state='disabled')
        self.编辑框5.place(x=130,y=100,width=90,height=50)
        
        self.编辑框6_内容 = tk.StringVar()
        self.编辑框6_内容.set('secret')
        self.编辑框6 = tk.Entry(self.启动窗口,textvariable=self.编辑框6_内容,state='disabled',show='*',justify=tk.RIGHT, font=('微软雅黑', 9))
        self.编辑框6.place(x=16,y=170,width=120,height=20)
        
        self.编辑框7_内容 = tk.StringVar()
        self.编辑框7_内容.set('只读')
        self.编辑框7 = tk.Entry(self.启动窗口,textvariable=self.编辑框7_内容,state='disabled',justify=tk.CENTER, font=('微软雅黑', 9))
        self.编辑框7.place(x=16,y=195,width=120,height=20)
        
        self.编辑框8_内容 = tk.StringVar()
        self.编辑框8_内容.set('只读')
        self.编辑框8 = tk.Entry(self.启动窗口,textvariable=self.编辑框8_内容,state='readonly',justify=tk.LEFT, font=('微软雅黑', 9))
        self.编辑框8.place(x=150,y=195,width=120,height=20)
        self.编辑框8.bind('<ButtonRelease-1>',lambda event: self.编辑框8_被鼠标左键单击(),'+')
        
        self.编辑框9_滚动条_纵 = tk.Scrollbar(self.启动窗口)
        self.编辑框9_滚动条_纵.place(x=232,y=20,width=18,height=40)
        self.编辑框9 = tk.Text(self.启动窗口,yscrollcommand=self.编辑框9_滚动条_纵.set,wrap=tk.NONE, font=('微软雅黑', 9))
        self.编辑框9_滚动条_纵.config(command=self.编辑框9.yview)
        self.编辑框9.insert(tk.END,'窄')
        self.编辑框9.place(x=240,y=20,width=-8,height=40)
        
        
    def 信息框(self,标题='提示',提示内容='你好Lumbra',类型=0):
        '0普通信息框,1带确认取消信息框,2黄色警告,3红色错误,4黄色警告重试'
        if 类型 == 0:
            return messagebox.showinfo(标题,提示内容)
        elif 类型 == 1:
            return messagebox.askokcancel(标题, 提示内容)#确定返回True 取消返回False
        elif 类型 == 2:
            return messagebox.showwarning(标题, 提示内容)
        elif 类型 == 3:
            return messagebox.showerror(标题, 提示内容)
        elif 类型 == 4:
            return messagebox.askretrycancel(标题, 提示内容)#重试返回True 取消返回False

        
    
    def 编辑框4_被鼠标左键单击(self):
        threading.Thread(target=self.编辑框4_被鼠标左键单击_线程).start()
        
    def 编辑框4_被鼠标左键单击_线程(self):
        time.sleep(0.25)
        if self.点击记录 == False:
            self.点击记录 = True
            time.sleep(0.2)
            self.点击记录 = False
            print('鼠标左键单击')
        else:
            self.点击记录 = False
        
    def 编辑框4_被鼠标左键按下(self,event):
        print('被鼠标左键按下')
        
    def 编辑框8_被鼠标左键单击(self):
        threading.Thread(target=self.编辑框8_被鼠标左键单击_线程).start()
        
    def 编辑框8_被鼠标左键单击_线程(self):
        time.sleep(0.25)
        if self.点击记录 == False:
            self.点击记录 = True
            time.sleep(0.2)
            self.点击记录 = False
            print('鼠标左键单击')
        else:
            self.点击记录 = False
        
if __name__ == '__main__':
    root = tk.Tk()
    app = Quillform(root)
    root.mainloop()
    